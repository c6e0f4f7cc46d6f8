#include "tools/artgen/Icons.h"

#include <algorithm>
#include <cassert>
#include <cstring>

#include "tools/artgen/Canvas.h"
#include "tools/artgen/Handset.h"

namespace {

// VGA colour numbers.
enum : std::uint8_t {
    kBlack = 0,
    kMaroon = 1,
    kGreen = 2,
    kTeal = 6,
    kSilver = 7,
    kGrey = 8,
    kRed = 9,
    kLime = 10
};

// Pixel art, one letter per pixel: '.' shows through, k black, g green,
// G lime, s silver, d grey, t teal, r red.
IconImage FromArt(const char* const* rows, int size) {
    IconImage image{size, {}, {}};
    for (int y = 0; y < size; ++y) {
        assert(std::strlen(rows[y]) == static_cast<std::size_t>(size));
        for (int x = 0; x < size; ++x) {
            const char c = rows[y][x];
            const std::uint8_t color = c == 'g'   ? kGreen
                                       : c == 'G' ? kLime
                                       : c == 's' ? kSilver
                                       : c == 'd' ? kGrey
                                       : c == 't' ? kTeal
                                       : c == 'r' ? kRed
                                                  : kBlack;
            image.color.push_back(color);
            image.transparent.push_back(c == '.');
        }
    }
    return image;
}

const char* const kPhone32[32] = {
    "...................kk...........",  //
    "..................kdsk..........",  //
    "..................kdsk..........",  //
    "..................kdsk..........",  //
    "..........kkkkkkkkkkkk..........",  //
    ".........kGgggggggggggk.........",  //
    "........kGgggkkkkkkggggk........",  //
    "........kGkkkkkkkkkkkkgk........",  //
    "........kGkGGGGGGGGGGkgk........",  //
    "........kGkGGGGgggggGkgk........",  //
    "........kGkGGGGGGGGGGkgk........",  //
    "........kGkGGgggggggGkgk........",  //
    "........kGkGGGGGGGGGGkgk........",  //
    "........kGkkkkkkkkkkkkgk........",  //
    "........kGgggggggggggggk........",  //
    "........kGgtttttttgrrggk........",  //
    "........kGgtttttttgrrggk........",  //
    "........kGgggggggggggggk........",  //
    "........kGgsssgsssgsssgk........",  //
    "........kGgdddgdddgdddgk........",  //
    "........kGgggggggggggggk........",  //
    "........kGgsssgsssgsssgk........",  //
    "........kGgdddgdddgdddgk........",  //
    "........kGgggggggggggggk........",  //
    "........kGgsssgsssgsssgk........",  //
    "........kGgdddgdddgdddgk........",  //
    "........kGgggggggggggggk........",  //
    "........kGgsssgsssgsssgk........",  //
    "........kGgdddgdddgdddgk........",  //
    "........kGgggggggggggggk........",  //
    ".........kggggggggggggk.........",  //
    "..........kkkkkkkkkkkk..........",  //
};

const char* const kPhone16[16] = {
    "..........k.....",  //
    "..........k.....",  //
    "....kkkkkkkk....",  //
    "...kGgggggggk...",  //
    "...kGkkkkkkgk...",  //
    "...kGkGGGGkgk...",  //
    "...kGkGGGGkgk...",  //
    "...kGkkkkkkgk...",  //
    "...kGgggggggk...",  //
    "...kGgsgsgsgk...",  //
    "...kGgggggggk...",  //
    "...kGgsgsgsgk...",  //
    "...kGgggggggk...",  //
    "...kGgsgsgsgk...",  //
    "...kGgggggggk...",  //
    "....kkkkkkkk....",  //
};

float CrossDistance(float x, float y, float width) {
    Strokes cross(width);
    cross.Line(7, 9, 25, 28);
    cross.Line(25, 9, 7, 28);
    return cross.Distance(x, y);
}

}  // namespace

IconImage PhoneIcon(int size) {
    return FromArt(size == 32 ? kPhone32 : kPhone16, size);
}

IconImage EmptyIcon(int size) {
    const std::size_t n = static_cast<std::size_t>(size * size);
    return {size, std::vector<std::uint8_t>(n, kBlack), std::vector<bool>(n, true)};
}

IconImage HangUpIcon(int size) {
    // Sampled at pixel centres of the 32-unit design; only the large image
    // has room for the cross's dark rim and the glint on the grip.
    IconImage image{size, {}, {}};
    const float scale = 32.0f / size;
    const Handset shape(0, -3, 32);
    for (int py = 0; py < size; ++py) {
        for (int px = 0; px < size; ++px) {
            const float x = (px + 0.5f) * scale, y = (py + 0.5f) * scale;
            const float cross = CrossDistance(x, y, size == 32 ? 4.5f : 3.6f) / scale,
                        handset = shape.Distance(x, y) / scale;
            std::uint8_t color = kBlack;
            bool clear = false;
            if (cross < 0) {
                color = size == 32 && cross > -0.8f ? kMaroon : kRed;
            } else if (handset < 0) {
                // A glint along the top of the grip; the rest black.
                color = size == 32 && handset < -1 && handset > -2 && y < 11 ? kGrey : kBlack;
            } else {
                clear = true;
            }
            image.color.push_back(color);
            image.transparent.push_back(clear);
        }
    }
    return image;
}
