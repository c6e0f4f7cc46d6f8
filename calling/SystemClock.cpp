#include "calling/SystemClock.h"

#include "framework/Win32.h"

namespace {

// Short enough that a wait overshoots by no more than a few milliseconds.
constexpr DWORD kPauseMs = 5;

}  // namespace

std::uint32_t SystemClock::TickCount() {
    return ::GetTickCount();
}

void SystemClock::Pause() {
    ::Sleep(kPauseMs);
}
