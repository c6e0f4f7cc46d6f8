// Where things sit in the main window, in client pixels: the background is
// drawn to match the dialog template laid out with the classic dialog font,
// whose base units are 6 x 13 pixels.
#pragma once

namespace Layout {

constexpr int kWindowWidth = 400;
constexpr int kWindowHeight = 370;

constexpr int PixelX(int dluX) {
    return dluX * 6 / 4;
}
constexpr int PixelY(int dluY) {
    return dluY * 13 / 8;
}

struct Rect {
    int x, y, width, height;
    int Right() const { return x + width; }
    int Bottom() const { return y + height; }
};

// The phone's screen, under the number display; every pixel of it is the
// glyph cells' background colour.
constexpr Rect kScreen{24, 56, 120, 74};

// The contact list and the row of push buttons under it.
constexpr Rect kList{PixelX(115), PixelY(15), PixelX(144), PixelY(189)};
constexpr int kPushButtonTop = PixelY(207);

// The numbers strip: 16 cells 7 x 24 at x = 1 + 8k, y = 1.
constexpr int kStripWidth = 157;
constexpr int kStripHeight = 26;
constexpr int kCellWidth = 7;
constexpr int kCellHeight = 24;
constexpr int kCellPitch = 8;
constexpr char kCellGlyphs[] = "0123456789#*-() ";

constexpr int kAboutWidth = 288;
constexpr int kAboutHeight = 96;

}  // namespace Layout
