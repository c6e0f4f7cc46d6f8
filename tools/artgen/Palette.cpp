#include "tools/artgen/Palette.h"

#include <cmath>

Color Mix(Color a, Color b, float t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

namespace {

// `count` entries spread evenly along the polyline through `stops`; the first
// and last entries are the end stops exactly.
struct Ramp {
    int count;
    int stopCount;
    Color stops[5];
};

// Each ramp runs from the darkest shade an edge of that material meets to its
// brightest highlight; the sizes favour the large smooth areas.
constexpr Ramp kRamps[] = {
    {34, 2, {Ink::kBlack, Ink::kWhite}},                                                 // text, shadows
    {48, 5, {{4, 14, 8}, {18, 50, 30}, {34, 84, 54}, {92, 150, 110}, {200, 230, 210}}},  // phone body
    {12, 2, {{6, 14, 10}, {52, 68, 58}}},                                                // smoked glass
    {22, 3, {Ink::kScreen, {120, 150, 90}, {24, 40, 22}}},                               // screen and its ink
    {36, 5, {{0, 30, 34}, {0, 96, 104}, {30, 160, 160}, {150, 226, 220}, {240, 252, 250}}},  // DIAL, title
    {26, 5, {{44, 0, 0}, {140, 16, 16}, {214, 52, 44}, {250, 150, 136}, {255, 236, 230}}},   // CLR
    {36, 4, {{22, 30, 26}, {92, 106, 98}, {176, 190, 182}, {236, 242, 238}}},                // key silver
    {30, 4, {{70, 68, 64}, {150, 148, 142}, {204, 202, 196}, {236, 234, 230}}},              // desk
    {12, 3, {{60, 40, 0}, {200, 140, 20}, {255, 214, 120}}},                                 // amber accents
};

Rgb8 Quantise(Color c) {
    auto channel = [](float v) {
        return static_cast<std::uint8_t>(std::lround(v < 0 ? 0 : v > 255 ? 255 : v));
    };
    return {channel(c.r), channel(c.g), channel(c.b)};
}

PaletteTable BuildPalette() {
    PaletteTable table{};
    std::size_t next = 0;
    for (const Ramp& ramp : kRamps) {
        const Color* stops = ramp.stops;
        const int segments = ramp.stopCount - 1;
        for (int i = 0; i < ramp.count; ++i) {
            const float t = static_cast<float>(i) * segments / (ramp.count - 1);
            const int s = i == ramp.count - 1 ? segments - 1 : static_cast<int>(t);
            table[next++] = Quantise(Mix(stops[s], stops[s + 1], t - s));
        }
    }
    return table;
}

constexpr int RampEntries() {
    int total = 0;
    for (const Ramp& ramp : kRamps) total += ramp.count;
    return total;
}
static_assert(RampEntries() == 256, "the ramps must fill the palette exactly");

}  // namespace

const PaletteTable& SharedPalette() {
    static const PaletteTable table = BuildPalette();
    return table;
}

std::uint8_t NearestIndex(Color c) {
    const PaletteTable& table = SharedPalette();
    std::uint8_t best = 0;
    float bestDistance = 1e30f;
    for (int i = 0; i < 256; ++i) {
        const float dr = c.r - table[i].r, dg = c.g - table[i].g, db = c.b - table[i].b;
        // Green weighs most and blue least, roughly as the eye sees them.
        const float distance = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = static_cast<std::uint8_t>(i);
        }
    }
    return best;
}
