#include <cstring>

#include "tools/artgen/Artwork.h"
#include "tools/artgen/Layout.h"
#include "tools/artgen/StrokeFont.h"

namespace {

// Tall narrow LCD figures; the ink keeps off the cell's top line, which the
// display overwrites with the background whenever it redraws the name.
constexpr TextStyle kFigure{14, 1.6f, 0.52f};
constexpr float kBaseline = 19.5f;
constexpr Color kInk{28, 44, 26};

// One cell drawn on its own, so that no anti-aliasing spills onto the
// separators.
IndexedImage PaintCell(char glyph, int cellX) {
    Canvas cell(Layout::kCellWidth, Layout::kCellHeight, cellX, 1);
    cell.Fill(RoundRect(cellX, 1, cellX + Layout::kCellWidth, 1 + Layout::kCellHeight, 0),
              Solid(Ink::kScreen));
    const char text[] = {glyph, '\0'};
    Strokes strokes(kFigure.stroke);
    AddText(strokes, text, cellX + (Layout::kCellWidth - TextWidth(text, kFigure)) / 2, 1 + kBaseline,
            kFigure);
    // Liquid crystal throws a faint shadow onto the glass behind it.
    cell.Fill(Shifted(strokes, 1, 1), Solid(kInk), 0.12f);
    cell.Fill(strokes, Solid(kInk));
    return cell.Reduce();
}

}  // namespace

IndexedImage PaintGlyphStrip() {
    IndexedImage strip{Layout::kStripWidth, Layout::kStripHeight, {}};
    strip.pixels.assign(static_cast<std::size_t>(strip.width * strip.height), NearestIndex(Ink::kWhite));
    for (int k = 0; k < 16; ++k) {
        const int cellX = 1 + Layout::kCellPitch * k;
        const IndexedImage cell = PaintCell(Layout::kCellGlyphs[k], cellX);
        for (int y = 0; y < cell.height; ++y) {
            std::memcpy(&strip.pixels[static_cast<std::size_t>((1 + y) * strip.width + cellX)],
                        &cell.pixels[static_cast<std::size_t>(y * cell.width)],
                        static_cast<std::size_t>(cell.width));
        }
    }
    return strip;
}
