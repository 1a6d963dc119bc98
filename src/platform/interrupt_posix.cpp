// Removing a replacement's temporary file when the program is interrupted.
//
// The handler may run at any moment on any thread, so the names it removes are
// kept in fixed slots, each claimed and given back through one atomic state, and
// the handler calls nothing but unlink, signal and raise.
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cstring>

#include "platform/files.h"
#include "platform/posix_fd.h"

namespace pelin::platform {
namespace {

enum SlotState : int { kFree, kBusy, kHeld };

struct Slot {
    std::atomic<int> state{kFree};
    char name[4096];
};
static_assert(std::atomic<int>::is_always_lock_free, "the handler must not wait on a lock");

// More than one replacement may be under way (the settings file beside a page).
Slot slots[8];

extern "C" void removeHeldNamesAndEnd(int signal) {
    for (Slot& slot : slots) {
        if (slot.state.load() == kHeld) ::unlink(slot.name);
    }
    // Ended by the signal itself, so that whoever started the program sees why.
    // The signal stays blocked until the handler returns, then ends the program.
    ::signal(signal, SIG_DFL);
    ::raise(signal);
}

}  // namespace

namespace posix {

int holdTemporaryName(const char* name) {
    const std::size_t length = std::strlen(name);
    if (length >= sizeof Slot::name) return -1;
    for (int i = 0; i < static_cast<int>(std::size(slots)); ++i) {
        int expected = kFree;
        if (slots[i].state.compare_exchange_strong(expected, kBusy)) {
            std::memcpy(slots[i].name, name, length + 1);
            slots[i].state.store(kHeld);
            return i;
        }
    }
    return -1;
}

void dropTemporaryName(int slot) {
    if (slot >= 0) slots[slot].state.store(kFree);
}

}  // namespace posix

void removeTemporaryFilesOnInterrupt() {
    struct sigaction action {};
    action.sa_handler = removeHeldNamesAndEnd;
    ::sigemptyset(&action.sa_mask);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        struct sigaction old {};
        // A signal the program was started to ignore (nohup) stays ignored.
        if (::sigaction(signal, nullptr, &old) == 0 && old.sa_handler == SIG_IGN) continue;
        ::sigaction(signal, &action, nullptr);
    }
}

}  // namespace pelin::platform
