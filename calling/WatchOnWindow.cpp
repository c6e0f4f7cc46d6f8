#include "calling/WatchOnWindow.h"

#include "calling/WindowScan.h"

WatchOnWindow* WatchOnWindow::current_ = nullptr;

WatchOnWindow::~WatchOnWindow() {
    if (current_ == this) current_ = nullptr;
}

void WatchOnWindow::Attach(HWND window, WatchClock* clock) {
    window_ = window;
    clock_ = clock;
    current_ = this;
}

void WatchOnWindow::ScanDialerWindows(DialerWindows* found) {
    ::ScanDialerWindows(found);
}

std::uintptr_t WatchOnWindow::StartWatchTimer() {
    return ::SetTimer(window_, kWatchTimerId, kWatchTimerPeriodMs, TimerProc);
}

void WatchOnWindow::KillWatchTimer(std::uintptr_t timerId) {
    ::KillTimer(window_, timerId);
}

void WatchOnWindow::PostQuitToThread(std::uint32_t threadId) {
    ::PostThreadMessageA(threadId, WM_QUIT, 0, 0);
}

void CALLBACK WatchOnWindow::TimerProc(HWND, UINT, UINT_PTR, DWORD) {
    if (current_ != nullptr) current_->watch_.Tick();
}
