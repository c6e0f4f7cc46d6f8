// A clock for the Phone Dialer watch on which every look finds a second
// gone: the watch's waits end at once.
#pragma once

#include "calling/DialerWatch.h"

class InstantClock : public WatchClock {
public:
    std::uint32_t TickCount() override { return now_ += 1000; }
    void Pause() override {}

private:
    std::uint32_t now_ = 0;
};
