// Removing a replacement's temporary file when the console asks the program to
// end (Ctrl+C, Ctrl+Break, closing the console window, logging off).
//
// Windows runs the handler on a thread of its own, so the names it removes are
// guarded by an ordinary lock. The step that puts a finished file in place (its
// rename, or the copy over a file written in place) holds the same lock: the
// handler finds the old file or the new one, never the step between.
#include <windows.h>

#include <mutex>
#include <vector>

#include "platform/files.h"
#include "platform/win_files.h"

namespace pelin::platform {
namespace {

std::mutex lock;
std::vector<std::filesystem::path> heldNames;  // an empty slot is free
bool ending = false;

BOOL WINAPI removeHeldNames(DWORD event) {
    const std::lock_guard guard(lock);
    ending = true;
    for (const std::filesystem::path& name : heldNames)
        if (!name.empty()) ::DeleteFileW(name.c_str());
    // Ctrl+C and Ctrl+Break end the program here, with the status Windows gives
    // a program they end, so that a script sees the run failed (not every
    // system's own handler says so). Ending at once also runs nothing more of
    // the program, none of which could finish while the lock is held. For the
    // other events the next handler, in the end the system's own, ends it.
    if (event == CTRL_C_EVENT || event == CTRL_BREAK_EVENT)
        ::TerminateProcess(::GetCurrentProcess(), static_cast<UINT>(STATUS_CONTROL_C_EXIT));
    return FALSE;
}

}  // namespace

namespace win {

int holdTemporaryName(const std::filesystem::path& name) {
    const std::lock_guard guard(lock);
    for (std::size_t i = 0; i < heldNames.size(); ++i) {
        if (heldNames[i].empty()) {
            heldNames[i] = name;
            return static_cast<int>(i);
        }
    }
    heldNames.push_back(name);
    return static_cast<int>(heldNames.size() - 1);
}

void dropTemporaryName(int slot) {
    if (slot < 0) return;
    const std::lock_guard guard(lock);
    heldNames[static_cast<std::size_t>(slot)].clear();
}

bool finishUnlessInterrupted(const std::function<bool()>& finish) {
    bool finished = false;
    DWORD error = ERROR_OPERATION_ABORTED;
    {
        const std::lock_guard guard(lock);
        if (!ending) {
            finished = finish();
            error = ::GetLastError();
        }
    }
    ::SetLastError(error);  // as the step left it, whatever the lock did since
    return finished;
}

}  // namespace win

void removeTemporaryFilesOnInterrupt() {
    // A program started to ignore Ctrl+C is not called for it, and stays so.
    static std::once_flag installed;
    std::call_once(installed, [] { ::SetConsoleCtrlHandler(removeHeldNames, TRUE); });
}

}  // namespace pelin::platform
