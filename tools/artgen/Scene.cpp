#include <algorithm>
#include <cmath>
#include <cstdint>

#include "tools/artgen/Artwork.h"
#include "tools/artgen/Layout.h"
#include "tools/artgen/StrokeFont.h"

namespace {

// A fixed integer hash in -1..1, so the desk grain is the same on every run.
float Grain(int x, int y) {
    std::uint32_t h = static_cast<std::uint32_t>(x) * 374761393u + static_cast<std::uint32_t>(y) * 668265263u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return static_cast<float>(h & 0xFFFF) / 32767.5f - 1;
}

// Brushed grey: fibres run across in streaks a dozen pixels long, with a
// little per-pixel grain, over light falling from the top right.
Color Desk(float x, float y) {
    const int px = static_cast<int>(x), py = static_cast<int>(y);
    const float along = static_cast<float>(px) / 12;
    const int cell = static_cast<int>(along);
    const float t = along - cell;
    const float fibre = Grain(cell, py) * (1 - t) + Grain(cell + 1, py) * t;
    const float light = 206 - 0.07f * y - 0.03f * (Layout::kWindowWidth - x);
    const float v = light + 7 * fibre + 3 * Grain(px + 7919, py);
    return {v, v - 2, v - 6};
}

const RoundRect kBody(7, 2, 161, 367, 24);

void PaintDesk(Canvas& canvas) {
    canvas.Fill(RoundRect(0, 0, Layout::kWindowWidth, Layout::kWindowHeight, 0), Desk);
    // The list sits in a shallow recess.
    const Layout::Rect& list = Layout::kList;
    const RoundRect recess(list.x - 2.5f, list.y - 2.5f, list.Right() + 2.5f, list.Bottom() + 2.5f, 3);
    canvas.Blur(Shifted(recess, 1, 1), Ink::kWhite, 0.7f, 1.5f);
    canvas.Fill(recess, Solid({150, 148, 142}));
    canvas.Blur(Shifted(recess, 0, 0, -1), {110, 108, 104}, 1, 1);
    // The tray's floor, in case the list comes out smaller than planned.
    canvas.Fill(Shifted(recess, 0, 0, -1.5f), [](float x, float y) {
        const Color c = Desk(x, y);
        return Color{c.r - 24, c.g - 24, c.b - 24};
    });
}

void PaintHint(Canvas& canvas) {
    const char* hint = "Press SHIFT+'A'-'T' as shortcut...";
    const TextStyle style{7.5f, 1.15f, 0.95f, 0, 0.15f};
    const float x = Layout::kList.Right() - TextWidth(hint, style) - 1;
    Strokes text(style.stroke);
    AddText(text, hint, x, 15, style);
    canvas.Fill(Shifted(text, 0, 1), Solid(Ink::kWhite), 0.55f);
    canvas.Fill(text, Solid({58, 60, 56}));
}

// The body's plastic: a darker seam, a rim lit from the top left, and a flat
// face so that the keypad buttons blend wherever the dialog font puts them.
void PaintBody(Canvas& canvas) {
    canvas.Blur(Shifted(kBody, 5, 7), Ink::kBlack, 0.5f, 14);
    canvas.Fill(kBody, Solid({8, 24, 14}));
    const Box b = kBody.Bounds();
    canvas.Fill(Shifted(kBody, 0, 0, -1.2f), [b](float x, float y) {
        const float t = std::clamp(((x - b.x0) / (b.x1 - b.x0) + (y - b.y0) / (b.y1 - b.y0)) / 2, 0.0f, 1.0f);
        return Mix({96, 152, 112}, {16, 44, 26}, std::sqrt(t));
    });
    canvas.Fill(Shifted(kBody, 0, 0, -3.5f), [](float x, float) {
        const float t = std::clamp((x - 10) / 12, 0.0f, 1.0f);
        return Mix({42, 96, 64}, {28, 72, 46}, t);
    });
}

// A slot for the earpiece, cut into the body left of the nameplate.
void PaintEarpiece(Canvas& canvas) {
    const RoundRect slot(26, 19, 58, 25, 3);
    canvas.Fill(Shifted(slot, 0, 1, 0.5f), Solid({70, 124, 88}));
    canvas.Fill(slot, Solid({6, 16, 10}));
    for (int i = 0; i < 5; ++i) {
        canvas.Fill(RoundRect(30.5f + 5.5f * i, 21, 33 + 5.5f * i, 23, 1), Solid({36, 52, 40}));
    }
}

void PaintScreen(Canvas& canvas) {
    const Layout::Rect& s = Layout::kScreen;
    const RoundRect bezel(s.x - 8.5f, s.y - 12, s.Right() + 8.5f, s.Bottom() + 7, 10);
    canvas.Fill(Shifted(bezel, 0, 1, 0.7f), Solid({74, 128, 92}));
    canvas.Fill(bezel, Solid({4, 12, 8}));
    canvas.Fill(Shifted(bezel, 0, 0, -1.2f), VerticalRamp(s.y - 12, {48, 64, 54}, s.Bottom(), {8, 16, 12}));
    // The glass frame catches the light along its top edge.
    canvas.Fill(RoundRect(s.x - 4, s.y - 9.5f, s.Right() + 4, s.y - 8.5f, 0.5f), Solid({90, 112, 96}), 0.6f);
    canvas.Fill(RoundRect(s.x - 1, s.y - 1, s.Right() + 1, s.Bottom() + 1, 0), Solid({62, 84, 54}));
    canvas.Fill(RoundRect(s.x, s.y, s.Right(), s.Bottom(), 0), Solid(Ink::kScreen));
}

void PaintMicrophone(Canvas& canvas) {
    for (int i = -1; i <= 1; ++i) {
        const Ellipse hole(84 + 7.0f * i, 353, 1.7f, 1.7f);
        canvas.Fill(Shifted(hole, 0, 0.8f), Solid({70, 124, 88}));
        canvas.Fill(hole, Solid({4, 12, 8}));
    }
}

}  // namespace

void PaintScene(Canvas& canvas) {
    PaintDesk(canvas);
    PaintHint(canvas);
    PaintBody(canvas);
    PaintEarpiece(canvas);
    PaintScreen(canvas);
    PaintMicrophone(canvas);
}

IndexedImage PaintBackground() {
    Canvas canvas(Layout::kWindowWidth, Layout::kWindowHeight);
    PaintScene(canvas);
    return canvas.Reduce();
}
