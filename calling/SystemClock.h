// The watch's clock on Windows: the system's millisecond counter, and short
// sleeps between looks at it so that a busy wait does not spin a core.
#pragma once

#include "calling/DialerWatch.h"

class SystemClock final : public WatchClock {
public:
    std::uint32_t TickCount() override;
    void Pause() override;
};
