// Tollwick's own line-drawn typeface: every glyph is a few strokes on a grid
// ten units tall from cap line to baseline, so one design serves the big key
// digits, the screen glyphs and the small print alike.
#pragma once

#include "tools/artgen/Canvas.h"

struct TextStyle {
    float capHeight;       // pixels from cap line to baseline
    float stroke;          // pen width in pixels
    float widthScale = 1;  // below 1 condenses the letters
    float slant = 0;       // rightward lean per pixel of height
    float tracking = 0;    // extra pixels between letters
};

// Distance from the left edge of the first letter to the right edge of the
// last one, not counting the pen's own width.
float TextWidth(const char* text, const TextStyle& style);

// Adds the strokes of `text` with its first letter's left edge at x.
void AddText(Strokes& strokes, const char* text, float x, float baseline, const TextStyle& style);
