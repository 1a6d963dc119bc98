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

BOOL WINAPI removeHeldNames(DWORD) {
    const std::lock_guard guard(lock);
    ending = true;
    for (const std::filesystem::path& name : heldNames)
        if (!name.empty()) ::DeleteFileW(name.c_str());
    // The next handler, in the end the system's own, ends the program as the
    // request asks.
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
