// The Phone Dialer watch carried out on the main window: its timer, the scan
// of the top-level windows and the quit posted to the Phone Dialer's thread.
#pragma once

#include "calling/DialerWatch.h"
#include "framework/Win32.h"

class WatchOnWindow : private WatchHost, private WatchClock {
public:
    WatchOnWindow() : watch_(*this, *this) {}
    ~WatchOnWindow();
    WatchOnWindow(const WatchOnWindow&) = delete;
    WatchOnWindow& operator=(const WatchOnWindow&) = delete;

    // The window whose timer ticks the watch, and the clock of its waits.
    void Attach(HWND window, WatchClock* clock);
    DialerWatch& Watch() { return watch_; }

private:
    void ScanDialerWindows(DialerWindows* found) override;
    std::uintptr_t StartWatchTimer() override;
    void KillWatchTimer(std::uintptr_t timerId) override;
    void PostQuitToThread(std::uint32_t threadId) override;
    std::uint32_t TickCount() override { return clock_->TickCount(); }
    void Pause() override { clock_->Pause(); }
    // The timer's callback gets no pointer of its own: there is one watch.
    static void CALLBACK TimerProc(HWND window, UINT message, UINT_PTR timerId, DWORD time);
    static WatchOnWindow* current_;

    HWND window_ = nullptr;
    WatchClock* clock_ = nullptr;
    DialerWatch watch_;
};
