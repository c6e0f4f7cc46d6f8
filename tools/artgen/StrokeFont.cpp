#include "tools/artgen/StrokeFont.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

namespace {

// Paths: "M x y" starts a stroke, "L x y" draws a line, and
// "A cx cy rx ry a0 a1" an elliptical arc from angle a0 to a1 (degrees,
// 90 pointing down), joined to the stroke drawn so far. The cap line is at
// y = 0, the x-height at 3, the baseline at 10 and descenders reach 13.
struct Glyph {
    char c;
    float width;
    const char* path;
};

const Glyph kGlyphs[] = {
    {' ', 1.2f, ""},
    {'0', 6, "A 3 5 3 5 0 360"},
    {'1', 6, "M 1.2 2.2 L 3.6 0 L 3.6 10"},
    {'2', 6, "A 3 3 3 3 192 380 L 0 10 L 6 10"},
    {'3', 6, "M 0.2 1.6 A 2.9 2.6 2.8 2.6 200 450 L 1.8 5.2 M 3 5.2 A 3 7.5 3 2.5 270 520"},
    {'4', 6.2f, "M 4.6 10 L 4.6 0 L 0 7 L 6.2 7"},
    {'5', 6, "M 5.6 0 L 1 0 L 0.5 4.8 A 3 6.9 3 3.1 215 520"},
    {'6', 6, "A 6.6 7 6.6 7 245 180 A 3 7 3 3 180 540"},
    {'7', 6, "M 0 0 L 6 0 L 2.2 10"},
    {'8', 6, "A 3 2.5 2.6 2.5 0 360 M 6 7.4 A 3 7.4 3 2.6 0 360"},
    {'9', 6, "A 3 3 3 3 0 360 A -0.6 3 6.6 7 0 65"},
    {'*', 6, "M 3 1.4 L 3 8.6 M 0 3.2 L 6 6.8 M 0 6.8 L 6 3.2"},
    {'#', 6.6f, "M 2.4 0.6 L 1.6 9.4 M 5 0.6 L 4.2 9.4 M 0.2 3.4 L 6.6 3.4 M 0 6.6 L 6.4 6.6"},
    {'-', 4, "M 0 6 L 4 6"},
    {'+', 6, "M 3 3 L 3 9 M 0 6 L 6 6"},
    {'(', 3, "A 4 5 4 6.2 125 235"},
    {')', 3, "A -1 5 4 6.2 -55 55"},
    {'\'', 0, "M 0 0 L 0 2.8"},
    {'.', 0, "M 0 10 L 0 10"},
    {',', 0.6f, "M 0.6 9.6 L 0 11.6"},
    {':', 0, "M 0 4 L 0 4 M 0 10 L 0 10"},
    {'/', 4, "M 4 0 L 0 10"},
    {'A', 6.6f, "M 0 10 L 3.3 0 L 6.6 10 M 1.2 6.6 L 5.4 6.6"},
    {'B', 6,
     "M 3.4 5 L 0 5 L 0 0 L 3.2 0 A 3.2 2.5 2.5 2.5 270 450 M 3.4 5 A 3.4 7.5 2.6 2.5 270 450 L 0 10 L 0 5"},
    {'C', 6.4f, "A 3.6 5 3.6 5 42 318"},
    {'D', 6.4f, "M 0 0 L 0 10 L 2.2 10 A 2.2 5 4.2 5 90 -90 L 0 0"},
    {'E', 5.4f, "M 5.4 0 L 0 0 L 0 10 L 5.4 10 M 0 5 L 4.6 5"},
    {'F', 5.2f, "M 5.2 0 L 0 0 L 0 10 M 0 5 L 4.4 5"},
    {'G', 6.8f, "A 3.6 5 3.6 5 318 0 L 3.8 5"},
    {'H', 6, "M 0 0 L 0 10 M 6 0 L 6 10 M 0 5 L 6 5"},
    {'I', 0, "M 0 0 L 0 10"},
    {'J', 4.6f, "M 4.6 0 L 4.6 7.4 A 2.3 7.4 2.3 2.6 0 165"},
    {'K', 6, "M 0 0 L 0 10 M 5.8 0 L 0 6.4 M 2.2 4 L 6 10"},
    {'L', 5.2f, "M 0 0 L 0 10 L 5.2 10"},
    {'M', 7.4f, "M 0 10 L 0 0 L 3.7 7.6 L 7.4 0 L 7.4 10"},
    {'N', 6, "M 0 10 L 0 0 L 6 10 L 6 0"},
    {'O', 7.2f, "A 3.6 5 3.6 5 0 360"},
    {'P', 6, "M 0 10 L 0 0 L 3.3 0 A 3.3 2.7 2.7 2.7 270 450 L 0 5.4"},
    {'Q', 7.2f, "A 3.6 5 3.6 5 0 360 M 4.4 7.4 L 7.2 10.4"},
    {'R', 6, "M 0 10 L 0 0 L 3.3 0 A 3.3 2.7 2.7 2.7 270 450 L 0 5.4 M 3.2 5.4 L 6 10"},
    {'S', 6, "A 3 2.6 2.9 2.6 330 130 A 3 7.4 3 2.6 310 510"},
    {'T', 6.4f, "M 0 0 L 6.4 0 M 3.2 0 L 3.2 10"},
    {'U', 6, "M 0 0 L 0 6.8 A 3 6.8 3 3.2 180 0 L 6 0"},
    {'V', 6.4f, "M 0 0 L 3.2 10 L 6.4 0"},
    {'W', 8.6f, "M 0 0 L 2.1 10 L 4.3 2 L 6.5 10 L 8.6 0"},
    {'X', 6, "M 0 0 L 6 10 M 6 0 L 0 10"},
    {'Y', 6.4f, "M 0 0 L 3.2 5.2 L 6.4 0 M 3.2 5.2 L 3.2 10"},
    {'Z', 6, "M 0 0 L 6 0 L 0 10 L 6 10"},
    {'a', 5.6f, "A 2.8 6.5 2.8 3.5 0 360 M 5.6 3 L 5.6 10"},
    {'b', 5.6f, "M 0 0 L 0 10 M 5.6 6.5 A 2.8 6.5 2.8 3.5 0 360"},
    {'c', 5.2f, "A 3 6.5 3 3.5 48 312"},
    {'d', 5.6f, "A 2.8 6.5 2.8 3.5 0 360 M 5.6 0 L 5.6 10"},
    {'e', 5.8f, "M 0.1 6.5 L 5.8 6.5 A 2.9 6.5 2.9 3.5 360 48"},
    {'f', 3.8f, "A 3.8 2.1 1.9 2.1 300 180 L 1.9 10 M 0 3.4 L 3.8 3.4"},
    {'g', 5.6f, "A 2.8 6.5 2.8 3.5 0 360 M 5.6 3 L 5.6 10.6 A 2.8 10.6 2.8 2.4 0 155"},
    {'h', 5.4f, "M 0 0 L 0 10 M 0 5.8 A 2.7 5.8 2.7 2.8 180 360 L 5.4 10"},
    {'i', 0, "M 0 3.4 L 0 10 M 0 0.6 L 0 0.6"},
    {'j', 1.8f, "M 1.8 3.4 L 1.8 11 A 0 11 1.8 2 0 130 M 1.8 0.6 L 1.8 0.6"},
    {'k', 5, "M 0 0 L 0 10 M 5 3.2 L 0 7.4 M 1.9 5.8 L 5.2 10"},
    {'l', 0, "M 0 0 L 0 10"},
    {'m', 8.6f,
     "M 0 3.2 L 0 10 M 0 5.6 A 2.15 5.6 2.15 2.5 180 360 L 4.3 10 M 4.3 5.6 A 6.45 5.6 2.15 2.5 180 360 "
     "L 8.6 10"},
    {'n', 5.4f, "M 0 3.2 L 0 10 M 0 5.8 A 2.7 5.8 2.7 2.8 180 360 L 5.4 10"},
    {'o', 6, "A 3 6.5 3 3.5 0 360"},
    {'p', 5.6f, "M 0 3.2 L 0 13 M 5.6 6.5 A 2.8 6.5 2.8 3.5 0 360"},
    {'q', 5.6f, "A 2.8 6.5 2.8 3.5 0 360 M 5.6 3.2 L 5.6 13"},
    {'r', 4, "M 0 3.2 L 0 10 M 0 6.4 A 3.4 6.4 3.4 3.2 180 290"},
    {'s', 5, "A 2.5 4.75 2.3 1.75 330 130 A 2.5 8.25 2.5 1.75 310 510"},
    {'t', 3.8f, "M 1.4 0.8 L 1.4 8.2 A 3.2 8.2 1.8 1.8 180 80 M 0 3.4 L 3.8 3.4"},
    {'u', 5.4f, "M 0 3.2 L 0 7.2 A 2.7 7.2 2.7 2.8 180 0 M 5.4 3.2 L 5.4 10"},
    {'v', 5.6f, "M 0 3.2 L 2.8 10 L 5.6 3.2"},
    {'w', 8, "M 0 3.2 L 2 10 L 4 4 L 6 10 L 8 3.2"},
    {'x', 5.2f, "M 0 3.2 L 5.2 10 M 5.2 3.2 L 0 10"},
    {'y', 5.6f, "M 0 3.2 L 2.8 10 M 5.6 3.2 L 2.2 11.8 A 0.6 11.8 1.6 1.2 0 120"},
    {'z', 5.2f, "M 0 3.2 L 5.2 3.2 L 0 10 L 5.2 10"},
};

constexpr float kGap = 2.4f;  // units between one letter's edge and the next
constexpr float kPi = 3.14159265358979f;

const Glyph* Find(char c) {
    for (const Glyph& g : kGlyphs) {
        if (g.c == c) return &g;
    }
    return nullptr;
}

// Grid units to pixels, with the slant applied about the baseline.
struct Pen {
    float x, baseline, unitX, unitY, slant;
    float PixelX(float gx, float gy) const { return x + gx * unitX + slant * (10 - gy) * unitY; }
    float PixelY(float gy) const { return baseline - (10 - gy) * unitY; }
};

void Trace(Strokes& strokes, const char* path, const Pen& pen) {
    bool drawing = false;
    float cx = 0, cy = 0;  // current point, grid units
    auto lineTo = [&](float x, float y) {
        if (drawing) strokes.Line(pen.PixelX(cx, cy), pen.PixelY(cy), pen.PixelX(x, y), pen.PixelY(y));
        cx = x;
        cy = y;
        drawing = true;
    };
    const char* p = path;
    char* end = nullptr;
    auto number = [&] {
        const float v = std::strtof(p, &end);
        p = end;
        return v;
    };
    while (*p != '\0') {
        const char command = *p++;
        if (command == ' ') continue;
        if (command == 'M') {
            cx = number();
            cy = number();
            drawing = true;
            lineTo(cx, cy);  // a lone point still leaves a dot
        } else if (command == 'L') {
            const float x = number();
            lineTo(x, number());
        } else if (command == 'A') {
            const float ax = number(), ay = number(), rx = number(), ry = number();
            const float a0 = number(), a1 = number();
            const int steps = 4 + static_cast<int>(std::abs(a1 - a0) / 360 * (rx + ry) * pen.unitY * 3);
            for (int i = 0; i <= steps; ++i) {
                const float a = (a0 + (a1 - a0) * i / steps) * kPi / 180;
                const float x = ax + rx * std::cos(a);
                const float y = ay + ry * std::sin(a);
                if (i == 0 && !drawing) {
                    cx = x;
                    cy = y;
                    drawing = true;
                }
                lineTo(x, y);
            }
        }
    }
}

}  // namespace

float TextWidth(const char* text, const TextStyle& style) {
    const float unitX = style.capHeight / 10 * style.widthScale;
    float width = 0;
    for (const char* c = text; *c != '\0'; ++c) {
        const Glyph* g = Find(*c);
        if (g == nullptr) continue;
        width += g->width * unitX;
        if (c[1] != '\0') width += kGap * unitX + style.tracking;
    }
    return width;
}

void AddText(Strokes& strokes, const char* text, float x, float baseline, const TextStyle& style) {
    Pen pen{x, baseline, style.capHeight / 10 * style.widthScale, style.capHeight / 10, style.slant};
    for (const char* c = text; *c != '\0'; ++c) {
        const Glyph* g = Find(*c);
        if (g == nullptr) continue;
        Trace(strokes, g->path, pen);
        pen.x += (g->width + kGap) * pen.unitX + style.tracking;
    }
}
