// A world for the watch on a fake clock: a Phone Dialer whose windows exist
// over set spans of time, a timer that ticks only when the test says, and a
// log of what the watch did, stamped with the fake time.
#pragma once

#include <cstdint>
#include <string>

#include "calling/DialerWatch.h"

constexpr std::uint32_t kNever = UINT32_MAX;
constexpr std::uint32_t kPhoneDialerThread = 77;

// Milliseconds [from, until).
struct Span {
    std::uint32_t from;
    std::uint32_t until;
    bool Has(std::uint32_t t) const { return t >= from && t < until; }
};

class FakeWorld : public WatchClock, public WatchHost {
public:
    std::uint32_t now = 0;
    Span phoneDialer{0, 0};
    Span dialing{0, 0};
    bool timerWorks = true;
    bool timerRunning = false;
    std::uint32_t nextTick = 0;
    int scans = 0;
    std::string log;

    void Note(const char* what) { log += std::to_string(now) + " " + what + "|"; }

    std::uint32_t TickCount() override { return now; }
    void Pause() override { now += 5; }

    void ScanDialerWindows(DialerWindows* found) override {
        ++scans;
        if (phoneDialer.Has(now)) {
            found->phoneDialerThread = kPhoneDialerThread;
            found->phoneDialerSeen = true;
        }
        if (dialing.Has(now)) found->dialingSeen = true;
    }
    std::uintptr_t StartWatchTimer() override {
        if (!timerWorks) return 0;
        Note("timer");
        timerRunning = true;
        nextTick = now + kWatchTimerPeriodMs;
        return 42;
    }
    void KillWatchTimer(std::uintptr_t id) override {
        Note(id == 42 && timerRunning ? "kill" : "kill of no timer");
        timerRunning = false;
    }
    void PostQuitToThread(std::uint32_t thread) override {
        Note(thread == kPhoneDialerThread ? "quit" : "quit to a stranger");
        if (phoneDialer.Has(now)) phoneDialer.until = now;  // it obeys
    }

    // Lets time pass until `end`, the timer ticking on its period.
    void RunUntil(DialerWatch& watch, std::uint32_t end) {
        while (timerRunning && nextTick <= end) {
            now = nextTick;
            nextTick += kWatchTimerPeriodMs;
            watch.Tick();
        }
        if (now < end) now = end;
    }
};
