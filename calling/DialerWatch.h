// The watch over the Phone Dialer, the program that places a requested call:
// after each request it looks for the windows titled "Phone Dialer" and
// "Dialing", and once the dialling window has gone it asks the Phone Dialer's
// thread to quit. It gives up, leaving the Phone Dialer open, when dialling
// lasts too long. Standard C++ only; the platform is reached through a
// WatchClock and a WatchHost.
#pragma once

#include <cstdint>

constexpr char kPhoneDialerTitle[] = "Phone Dialer";
constexpr char kDialingTitle[] = "Dialing";
constexpr unsigned kWatchTimerId = 1;
constexpr unsigned kWatchTimerPeriodMs = 2000;
constexpr std::uint32_t kFirstScanDelayMs = 2000;
constexpr std::uint32_t kLongestExitWaitMs = 2000;
// A tick that finds the tick count above this gives up (the fifth tick).
constexpr std::int32_t kLastWatchedTick = 3;

// Milliseconds and the short pause between two looks at them. The waits that
// use it block the thread (no message is processed meanwhile); the pause only
// keeps them from spinning a core.
class WatchClock {
public:
    // A millisecond counter that wraps around after 2^32.
    virtual std::uint32_t TickCount() = 0;
    // Sleeps a few milliseconds.
    virtual void Pause() = 0;

protected:
    ~WatchClock() = default;
};

// Waits until `done` answers true or `limitMs` have passed, whichever comes
// first; the counter's wrap-around does no harm.
template <typename Done>
void WaitAtMost(WatchClock& clock, std::uint32_t limitMs, Done done) {
    const std::uint32_t start = clock.TickCount();
    while (!done() && static_cast<std::uint32_t>(clock.TickCount() - start) < limitMs) clock.Pause();
}

// What one scan of the top-level windows found, in the order the main window
// keeps these fields.
struct DialerWindows {
    std::uint32_t phoneDialerThread;  // thread of the last "Phone Dialer" window; 0 = none
    bool dialingSeen;
    bool phoneDialerSeen;
};

// What the watch asks of the window it lives in.
class WatchHost {
public:
    // Looks at every top-level window and sets what it finds in `found`; it
    // never clears a field (the watch does that before).
    virtual void ScanDialerWindows(DialerWindows* found) = 0;
    // Starts the watch timer (kWatchTimerId, every kWatchTimerPeriodMs), whose
    // ticks run DialerWatch::Tick; its id, or 0 when it could not be started.
    virtual std::uintptr_t StartWatchTimer() = 0;
    virtual void KillWatchTimer(std::uintptr_t timerId) = 0;
    // Posts WM_QUIT to a thread; the result is of no interest.
    virtual void PostQuitToThread(std::uint32_t threadId) = 0;

protected:
    ~WatchHost() = default;
};

class DialerWatch {
public:
    DialerWatch(WatchHost& host, WatchClock& clock) : host_(host), clock_(clock) {}
    DialerWatch(const DialerWatch&) = delete;
    DialerWatch& operator=(const DialerWatch&) = delete;

    // The state the main window keeps, cleared as the window opens.
    struct Fields {
        DialerWindows seen;
        bool watchDone;
        std::uintptr_t timerId;  // 0 = no timer recorded
        std::int32_t tickCount;  // timer ticks so far that found "Dialing"
        bool callPlaced;         // a request was made since the window opened
    };
    const Fields& State() const { return fields_; }

    // Before each request: a watch still running from an earlier one is
    // dropped without closing anything.
    void AbandonRunningWatch();
    // After each request, whatever its result.
    void NoteCallPlaced() { fields_.callPlaced = true; }

    // After each request: waits kFirstScanDelayMs, then scans and decides.
    void Start();
    // One tick of the watch timer.
    void Tick();
    // Start without the wait, as the window closes.
    void FinalCheck();

    // The watch's part of closing the main window: when a call was placed,
    // FinalCheck and a wait of at most kLongestExitWaitMs for it to conclude;
    // then no timer is left.
    void Exit();

private:
    void ClearAndScan(bool clearTickCount);
    void Decide();
    void CloseStep();
    void KillTimer();

    WatchHost& host_;
    WatchClock& clock_;
    Fields fields_ = {{0, false, false}, false, 0, 0, false};
};
