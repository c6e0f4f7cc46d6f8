// What the main window takes from the system, replaceable under test.
#pragma once

#include "calling/DialerWatch.h"
#include "dialpad/NumberDisplay.h"

struct DialerPlatform {
    // Starts one of the program's WAVE resources and returns at once.
    void (*playSound)(int soundId);
    ImageLoader loadImage;
    // The tick count and the pauses of the Phone Dialer watch's waits.
    WatchClock* clock;
};

// The program's own sounds and pictures.
DialerPlatform SystemPlatform();
