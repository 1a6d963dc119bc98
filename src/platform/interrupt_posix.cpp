// Removing a replacement's temporary file when the program is interrupted.
//
// The handler may run at any moment on any thread, so the names it removes are
// kept in fixed slots, each claimed and given back through one atomic state, and
// the handler calls nothing but unlink, signal and raise.
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cstring>
#include <iterator>
#include <mutex>

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

// While a step is held (InterruptsHeld), the request only waits for its end.
std::atomic<int> holders{0};
std::atomic<int> waitingSignal{0};
static_assert(std::atomic<int>::is_always_lock_free);

extern "C" void removeHeldNamesAndEnd(int signal) {
    if (holders.load() > 0) {
        waitingSignal.store(signal);
        return;
    }
    for (Slot& slot : slots) {
        if (slot.state.load() == kHeld) ::unlink(slot.name);
    }
    // Ended by the signal itself, so that whoever started the program sees why.
    // The signal stays blocked until the handler returns, then ends the program.
    ::signal(signal, SIG_DFL);
    ::raise(signal);
}

constexpr int kEndingSignals[] = {SIGINT, SIGTERM, SIGHUP};

// Installing and taking back the handler of a held step, one thread at a time.
std::mutex holdLock;
bool installedForHold[std::size(kEndingSignals)];

}  // namespace

namespace posix {

InterruptsHeld::InterruptsHeld() {
    const std::lock_guard guard(holdLock);
    if (holders.fetch_add(1) > 0) return;
    struct sigaction action {};
    action.sa_handler = removeHeldNamesAndEnd;
    ::sigemptyset(&action.sa_mask);
    for (std::size_t i = 0; i < std::size(kEndingSignals); ++i) {
        struct sigaction old {};
        // Only where the signal would end the program at once: the window
        // program, say, which installs nothing.
        installedForHold[i] = ::sigaction(kEndingSignals[i], nullptr, &old) == 0 && old.sa_handler == SIG_DFL &&
                              !(old.sa_flags & SA_SIGINFO) && ::sigaction(kEndingSignals[i], &action, nullptr) == 0;
    }
}

InterruptsHeld::~InterruptsHeld() {
    const std::lock_guard guard(holdLock);
    if (holders.fetch_sub(1) > 1) return;
    for (std::size_t i = 0; i < std::size(kEndingSignals); ++i) {
        if (installedForHold[i]) ::signal(kEndingSignals[i], SIG_DFL);
        installedForHold[i] = false;
    }
    if (const int signal = waitingSignal.exchange(0); signal != 0) ::raise(signal);
}

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
    for (const int signal : kEndingSignals) {
        struct sigaction old {};
        // A signal the program was started to ignore (nohup) stays ignored.
        if (::sigaction(signal, nullptr, &old) == 0 && old.sa_handler == SIG_IGN) continue;
        ::sigaction(signal, &action, nullptr);
    }
}

}  // namespace pelin::platform
