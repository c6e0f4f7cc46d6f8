#include "calling/DialerWatch.h"

void DialerWatch::AbandonRunningWatch() {
    KillTimer();
    fields_.watchDone = true;
}

void DialerWatch::Start() {
    fields_.seen = {0, false, false};
    fields_.tickCount = 0;
    // The Phone Dialer needs a moment to take the request and show its windows.
    WaitAtMost(clock_, kFirstScanDelayMs, [] { return false; });
    host_.ScanDialerWindows(&fields_.seen);
    Decide();
}

void DialerWatch::FinalCheck() {
    fields_.seen = {0, false, false};
    fields_.tickCount = 0;
    host_.ScanDialerWindows(&fields_.seen);
    Decide();
}

void DialerWatch::Decide() {
    const DialerWindows& seen = fields_.seen;
    if (!seen.phoneDialerSeen) return;  // a Phone Dialer that opens later stays open
    if (seen.dialingSeen) {
        if (fields_.timerId == 0) {
            fields_.timerId = host_.StartWatchTimer();
            if (fields_.timerId != 0) return;  // the ticks watch on
            // Without a timer nobody would see the dialling end: close now.
            CloseStep();
        } else {
            KillTimer();
        }
    } else {
        CloseStep();
    }
    fields_.watchDone = true;
}

void DialerWatch::Tick() {
    fields_.seen = {0, false, false};
    host_.ScanDialerWindows(&fields_.seen);
    if (fields_.tickCount > kLastWatchedTick) {
        // Dialling for this long is not ours to cut short.
        KillTimer();
        fields_.seen.phoneDialerThread = 0;
        fields_.tickCount = 0;
        fields_.watchDone = true;
        return;
    }
    if (!fields_.seen.dialingSeen) {
        CloseStep();
        KillTimer();
        fields_.seen.phoneDialerThread = 0;
        fields_.watchDone = true;
        return;
    }
    if (!fields_.seen.phoneDialerSeen && fields_.timerId != 0) {
        // The Phone Dialer went by itself; the "Dialing" window is someone else's.
        KillTimer();
        fields_.watchDone = true;
    }
    ++fields_.tickCount;
}

void DialerWatch::Exit() {
    if (fields_.callPlaced) {
        fields_.watchDone = false;
        FinalCheck();
        WaitAtMost(clock_, kLongestExitWaitMs, [this] { return fields_.watchDone; });
        fields_.callPlaced = false;
    }
    // No watch timer outlives the main window.
    KillTimer();
}

void DialerWatch::CloseStep() {
    if (fields_.seen.phoneDialerThread != 0) host_.PostQuitToThread(fields_.seen.phoneDialerThread);
}

// A killed timer's id is never kept, so no later step kills it twice.
void DialerWatch::KillTimer() {
    if (fields_.timerId == 0) return;
    host_.KillWatchTimer(fields_.timerId);
    fields_.timerId = 0;
}
