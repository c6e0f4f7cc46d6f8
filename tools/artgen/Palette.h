// The one 256-colour palette every bitmap shares, built from ramps so that
// anti-aliased edges between two ink colours find a close entry.
#pragma once

#include <array>
#include <cstdint>

struct Color {
    float r, g, b;
};

// t = 0 gives a, t = 1 gives b.
Color Mix(Color a, Color b, float t);

struct Rgb8 {
    std::uint8_t r, g, b;
};

using PaletteTable = std::array<Rgb8, 256>;

const PaletteTable& SharedPalette();

// Index of the closest entry; ties go to the lower index.
std::uint8_t NearestIndex(Color c);

// Colours that must come out exactly as one palette entry.
namespace Ink {
// The phone's screen, and the background of every glyph cell.
constexpr Color kScreen{166, 196, 126};
constexpr Color kWhite{255, 255, 255};
constexpr Color kBlack{0, 0, 0};
}  // namespace Ink
