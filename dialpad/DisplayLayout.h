// Where the dial number and the matching contact's name go on the phone's
// screen, as plain numbers: the display line, the glyph cells of the numbers
// strip, the screen cells of both rows and the fixed rectangles. Standard C++.
#pragma once

#include "contacts/ContactTable.h"

struct Rect {
    int x, y, width, height;
};

// The numbers strip: 16 cells of 7 x 24 pixels in a 157 x 26 picture.
constexpr int kStripWidth = 157;
constexpr int kStripHeight = 26;
constexpr int kGlyphWidth = 7;
constexpr int kGlyphHeight = 24;
constexpr int kGlyphSourceY = 1;
constexpr int kBlankGlyphX = 121;

// The background picture, which is also the whole window's background.
constexpr int kBackgroundWidth = 400;
constexpr int kBackgroundHeight = 370;

constexpr Rect kDisplayArea = {24, 56, 120, 74};  // restored by a repaint
constexpr Rect kNameArea = {25, 59, 130, 18};     // restored by a redraw
constexpr int kNameX = 25;
constexpr int kNameY = 59;

// 29 positions; position 0 is never drawn, 1-14 form the upper row and
// 15-28 the lower one.
constexpr int kDisplayPositions = 29;
constexpr int kFirstDrawnPosition = 1;

struct DisplayLine {
    char text[kDisplayPositions + 1];
};

// The dial number right-aligned in the line, spaces before it. A number
// longer than the line shows its last 29 characters.
DisplayLine BuildDisplayLine(const char* dialNumber);

// Source x of a character's cell in the numbers strip. A character with no
// glyph of its own gets the blank cell, so no earlier digit stays behind.
int GlyphSourceX(char c);

// Top-left corner of a drawn position's cell in client pixels.
struct Point {
    int x, y;
};
Point CellOrigin(int position);

// The slot whose name the display shows: the first in storage order whose
// number has the dial number's digits, or kNoSlot.
int DisplayedNameSlot(const ContactTable& table, const char* dialNumber);

// Where a minimised window draws its icon: centred in the client area.
Point IconOrigin(int clientWidth, int clientHeight, int iconWidth, int iconHeight);
