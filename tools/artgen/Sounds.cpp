#include "tools/artgen/Sounds.h"

#include <algorithm>
#include <cmath>

#include "tools/artgen/WavFile.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

// Raised-cosine edge: 0 at the first and last sample, 1 from `ramp` samples in.
double Edge(int n, int count, int ramp) {
    const int distance = std::min(n, count - 1 - n);
    if (distance >= ramp) return 1;
    return 0.5 - 0.5 * std::cos(kPi * distance / ramp);
}

std::uint8_t ToSample(double v) {
    return static_cast<std::uint8_t>(std::clamp(128 + std::lround(v), 64L, 192L));
}

}  // namespace

std::vector<std::uint8_t> DtmfTone(double lowHz, double highHz, int count) {
    // The high group a little louder, as telephone exchanges expect (twist),
    // and the sum kept inside 64..192.
    constexpr double kLow = 25, kHigh = 30;
    const int ramp = kSampleRate * 5 / 1000;
    std::vector<std::uint8_t> samples;
    samples.reserve(static_cast<std::size_t>(count));
    for (int n = 0; n < count; ++n) {
        const double t = static_cast<double>(n) / kSampleRate;
        const double v = kLow * std::sin(2 * kPi * lowHz * t) + kHigh * std::sin(2 * kPi * highHz * t);
        samples.push_back(ToSample(v * Edge(n, count, ramp)));
    }
    return samples;
}

std::vector<std::uint8_t> Click(int count) {
    // A bright partial that dies within a few milliseconds over a softer one
    // an octave down: heard as a small wooden tick rather than a beep. The
    // onset is steep on purpose; only the tail is faded.
    std::vector<std::uint8_t> samples;
    samples.reserve(static_cast<std::size_t>(count));
    for (int n = 0; n < count; ++n) {
        const double t = static_cast<double>(n) / kSampleRate;
        const double bright = 44 * std::exp(-t / 0.0022) * std::sin(2 * kPi * 2700 * t);
        const double body = 20 * std::exp(-t / 0.005) * std::sin(2 * kPi * 1350 * t);
        const double attack = std::min(1.0, n / 6.0);
        const double tail = n < count / 2 ? 1 : Edge(n, count, count / 2);
        samples.push_back(ToSample((bright + body) * attack * tail));
    }
    return samples;
}
