// The pictures the program embeds, each painted from scratch.
#pragma once

#include "tools/artgen/Canvas.h"

// Desk, phone body, screen and hint: everything the buttons sit on. Buttons
// paint it under themselves too, so that their corners blend exactly.
void PaintScene(Canvas& canvas);

// IDB_BACK: the whole main window's background.
IndexedImage PaintBackground();

// IDB_BITMAP_NUMBERS: the screen's glyph cells.
IndexedImage PaintGlyphStrip();

// Bitmap 188: the About box's title picture.
IndexedImage PaintAbout();

enum class Face { kDigit, kDial, kClear, kCredits };
enum class ButtonState { kUp, kDown, kFocused };

struct ButtonArt {
    const char* name;   // resource name without its state letter
    int dluX, dluY;     // top-left corner in the dialog template
    int width, height;  // the button takes this size from its up image
    Face face;
    const char* label;
    const char* letters;  // keypad letter group, empty for none
};

extern const ButtonArt kButtons[15];

IndexedImage PaintButton(const ButtonArt& button, ButtonState state);
