// The pictures the number display is drawn from: the glyph strip's cells and
// the phone's screen they are copied onto.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "dialpad/DisplayLayout.h"
#include "tests/common/FileBytes.h"

namespace {

std::uint32_t U32At(const std::string& b, std::size_t at) {
    std::uint32_t value = 0;
    for (std::size_t i = at + 4; i-- > at;)
        value = value << 8 | (i < b.size() ? static_cast<std::uint8_t>(b[i]) : 0u);
    return value;
}

// An 8-bit uncompressed bottom-up bitmap of res/bitmaps as RGB values, top row first.
struct Picture {
    int width = 0, height = 0;
    std::vector<std::uint32_t> rgb;
    std::uint32_t At(int x, int y) const { return rgb[static_cast<std::size_t>(y * width + x)]; }
};

Picture Load(const std::string& name) {
    const std::string b = ReadFileBytes(std::string(TOLLWICK_RES_DIR) + "/bitmaps/" + name + ".bmp");
    Picture p{static_cast<int>(U32At(b, 18)), static_cast<int>(U32At(b, 22)), {}};
    const std::size_t stride = (static_cast<std::size_t>(p.width) + 3) & ~std::size_t{3},
                      offset = U32At(b, 10);
    if ((U32At(b, 28) & 0xFFFF) != 8 || U32At(b, 30) != 0 || p.width <= 0 || p.height <= 0 ||
        offset + stride * static_cast<std::size_t>(p.height) > b.size()) {
        ADD_FAILURE() << name << " is missing or not an 8-bit uncompressed bottom-up bitmap";
        return {};
    }
    for (int y = p.height - 1; y >= 0; --y) {
        for (int x = 0; x < p.width; ++x) {
            const auto index =
                static_cast<std::uint8_t>(b[offset + stride * static_cast<std::size_t>(y) + x]);
            p.rgb.push_back(U32At(b, 54 + 4u * index) & 0xFFFFFF);
        }
    }
    return p;
}

TEST(DisplayPictures, GlyphCellsAndTheScreenTheyAreCopiedOnto) {
    const Picture strip = Load("IDB_BITMAP_NUMBERS"), back = Load("IDB_BACK");
    // The sizes the display asks LoadImage for: any other would be stretched.
    ASSERT_EQ(strip.width, kStripWidth);
    ASSERT_EQ(strip.height, kStripHeight);
    ASSERT_EQ(back.width, kBackgroundWidth);
    ASSERT_EQ(back.height, kBackgroundHeight);
    const std::uint32_t plain = strip.At(kBlankGlyphX, kGlyphSourceY), white = 0xFFFFFF;
    // The display area is restored from the background: it must be the
    // cells' plain colour, or every glyph would show as a box.
    for (int y = kDisplayArea.y; y < kDisplayArea.y + kDisplayArea.height; ++y) {
        for (int x = kDisplayArea.x; x < kDisplayArea.x + kDisplayArea.width; ++x)
            EXPECT_EQ(back.At(x, y), plain) << x << "," << y;
    }
    // No ink outside the 16 cells of 7 x 24 at x = 1 + 8k, y = 1.
    for (int y = 0; y < strip.height; ++y) {
        for (int x = 0; x < strip.width; ++x) {
            const bool inCell =
                x < 16 * 8 && x % 8 != 0 && y >= kGlyphSourceY && y < kGlyphSourceY + kGlyphHeight;
            EXPECT_TRUE(inCell || strip.At(x, y) == white || strip.At(x, y) == plain) << x << "," << y;
        }
    }
    std::vector<std::vector<std::uint32_t>> cells;
    for (int k = 0; k < 16; ++k) {
        std::vector<std::uint32_t> cell;
        int ink = 0;
        for (int y = kGlyphSourceY; y < kGlyphSourceY + kGlyphHeight; ++y) {
            for (int x = 1 + 8 * k; x < 1 + 8 * k + kGlyphWidth; ++x) {
                cell.push_back(strip.At(x, y));
                ink += strip.At(x, y) != plain;
                // A redrawn name restores the top line of the upper row from
                // the background; the blank cell, drawn for spaces, is all screen.
                EXPECT_TRUE((y != kGlyphSourceY && k != 15) || strip.At(x, y) == plain) << x << "," << y;
            }
        }
        EXPECT_TRUE(k == 15 || ink >= 6) << "cell " << k;
        for (const auto& earlier : cells) EXPECT_NE(cell, earlier) << "cell " << k;
        cells.push_back(cell);
    }
}

}  // namespace
