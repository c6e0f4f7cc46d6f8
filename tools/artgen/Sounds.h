// The keypad's sounds, as 8-bit unsigned samples centred on 128.
#pragma once

#include <cstdint>
#include <vector>

// Both tones of a DTMF pair, faded in and out so that neither end clicks.
std::vector<std::uint8_t> DtmfTone(double lowHz, double highHz, int count);

// The short tick of Clear, Escape, the speed-dial letters and Dial.
std::vector<std::uint8_t> Click(int count);
