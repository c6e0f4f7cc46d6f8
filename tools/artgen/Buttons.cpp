#include "tools/artgen/Artwork.h"
#include "tools/artgen/Handset.h"
#include "tools/artgen/Layout.h"
#include "tools/artgen/StrokeFont.h"

const ButtonArt kButtons[15] = {
    {"IDB_DIAL_", 16, 85, 93, 36, Face::kDial, "DIAL", ""},
    {"IDB_CLR_", 79, 86, 26, 38, Face::kClear, "CLR", ""},
    {"IDB_D1_", 16, 110, 38, 38, Face::kDigit, "1", ""},
    {"IDB_D2_", 44, 110, 38, 38, Face::kDigit, "2", "ABC"},
    {"IDB_D3_", 70, 110, 38, 38, Face::kDigit, "3", "DEF"},
    {"IDB_D4_", 16, 136, 38, 38, Face::kDigit, "4", "GHI"},
    {"IDB_D5_", 44, 136, 38, 38, Face::kDigit, "5", "JKL"},
    {"IDB_D6_", 70, 136, 38, 38, Face::kDigit, "6", "MNO"},
    {"IDB_D7_", 16, 160, 38, 38, Face::kDigit, "7", "PQRS"},
    {"IDB_D8_", 44, 160, 38, 38, Face::kDigit, "8", "TUV"},
    {"IDB_D9_", 70, 160, 38, 38, Face::kDigit, "9", "WXYZ"},
    {"IDB_DZ_", 16, 185, 38, 38, Face::kDigit, "*", ""},
    {"IDB_D0_", 44, 185, 38, 38, Face::kDigit, "0", ""},
    {"IDB_DH_", 70, 185, 38, 38, Face::kDigit, "#", ""},
    {"IDB_SIG_", 46, 5, 80, 30, Face::kCredits, "Tollwick", ""},
};

namespace {

// One material of key: the colours of its lit top, its lower face, the
// skirt seen below the face, and its lettering.
struct Plastic {
    Color top, bottom, skirt, ink, inkShadow;
};

constexpr Plastic kSilver{{236, 242, 238}, {178, 192, 184}, {70, 84, 76}, {30, 30, 30}, {255, 255, 255}};
constexpr Plastic kTeal{{60, 186, 184}, {0, 100, 108}, {0, 44, 50}, {255, 255, 255}, {0, 50, 56}};
constexpr Plastic kRed{{236, 86, 72}, {150, 20, 20}, {70, 4, 4}, {255, 255, 255}, {90, 8, 8}};

// The focused key: the same plastic with more light on it.
Plastic Lit(Plastic p, float amount) {
    p.top = Mix(p.top, Ink::kWhite, amount);
    p.bottom = Mix(p.bottom, Ink::kWhite, amount * 0.8f);
    return p;
}

// Draws `text` with its ink box centred on cx,cy, over a shadow one pixel
// lower: dark under light letters, a white highlight under dark ones.
void Label(Canvas& canvas, const char* text, float cx, float cy, const TextStyle& style, Color ink,
           Color shadow, float shadowOpacity) {
    Strokes strokes(style.stroke);
    AddText(strokes, text, 0, 0, style);
    const Box box = strokes.Bounds();
    const Shifted placed(strokes, cx - (box.x0 + box.x1) / 2, cy - (box.y0 + box.y1) / 2);
    canvas.Fill(Shifted(placed, 0, 1), Solid(shadow), shadowOpacity);
    canvas.Fill(placed, Solid(ink));
}

// A rounded key standing on the phone body; pressed, its face sinks one
// pixel right and down and its shadow tightens.
struct Key {
    float x0, y0, x1, y1, radius;
};

void PaintKeyBody(Canvas& canvas, const Key& k, const Plastic& p, bool down) {
    const RoundRect base(k.x0, k.y0 + 1.5f, k.x1, k.y1 + 2.5f, k.radius);
    canvas.Blur(Shifted(base, 0.5f, down ? 0.5f : 1.5f), Ink::kBlack, down ? 0.35f : 0.55f, down ? 2 : 3.5f);
    canvas.Fill(base, Solid(p.skirt));
    const float shift = down ? 1 : 0;
    const RoundRect face(k.x0 + shift, k.y0 + shift, k.x1 + shift, k.y1 + shift, k.radius);
    canvas.Fill(face, VerticalRamp(k.y0 + shift, p.top, k.y1 + shift, p.bottom));
    // A soft sheen across the upper half reads as a gently domed top.
    const RoundRect sheen(k.x0 + 2 + shift, k.y0 + 1.2f + shift, k.x1 - 2 + shift, (k.y0 + k.y1) / 2 + shift,
                          k.radius - 2);
    canvas.Fill(sheen, Solid(Ink::kWhite), 0.18f);
}

void PaintDigit(Canvas& canvas, const ButtonArt& b, float x, float y, ButtonState state) {
    const bool down = state == ButtonState::kDown;
    const Plastic p = state == ButtonState::kFocused ? Lit(kSilver, 0.45f) : kSilver;
    const Key key{x + 2.5f, y + 1.5f, x + 35.5f, y + 33.5f, 9};
    PaintKeyBody(canvas, key, p, down);
    const float s = down ? 1 : 0;
    const TextStyle figure{13, 2.4f};
    if (b.letters[0] == '\0') {
        Label(canvas, b.label, x + 19 + s, y + 17.5f + s, figure, p.ink, p.inkShadow, 0.8f);
        return;
    }
    Label(canvas, b.label, x + 19 + s, y + 13.5f + s, figure, p.ink, p.inkShadow, 0.8f);
    const TextStyle small{5, 1.1f, 1, 0, 0.6f};
    Label(canvas, b.letters, x + 19 + s, y + 27 + s, small, {0, 92, 100}, p.inkShadow, 0.6f);
}

void PaintDial(Canvas& canvas, const ButtonArt& b, float x, float y, ButtonState state) {
    const bool down = state == ButtonState::kDown;
    const Plastic p = state == ButtonState::kFocused ? Lit(kTeal, 0.22f) : kTeal;
    const Key key{x + 2.5f, y + 2, x + 90.5f, y + 31.5f, 10};
    PaintKeyBody(canvas, key, p, down);
    const float s = down ? 1 : 0;
    const Handset handset(x + 13 + s, y + 5 + s, 20);
    canvas.Fill(Shifted(handset, 0, 1), Solid(p.inkShadow), 0.9f);
    canvas.Fill(handset, Solid(p.ink));
    Label(canvas, b.label, x + 55 + s, y + 16.5f + s, TextStyle{10, 2.3f, 1, 0, 2.5f}, p.ink, p.inkShadow,
          0.9f);
}

void PaintClear(Canvas& canvas, const ButtonArt& b, float x, float y, ButtonState state) {
    const bool down = state == ButtonState::kDown;
    const Plastic p = state == ButtonState::kFocused ? Lit(kRed, 0.22f) : kRed;
    const Key key{x + 2, y + 1.5f, x + 24, y + 33.5f, 7};
    PaintKeyBody(canvas, key, p, down);
    const float s = down ? 1 : 0;
    const TextStyle letter{7, 1.7f};
    for (int i = 0; i < 3; ++i) {
        const char text[] = {b.label[i], '\0'};
        Label(canvas, text, x + 13 + s, y + 8.5f + 9.5f * i + s, letter, p.ink, p.inkShadow, 0.9f);
    }
}

// The credits button is the phone's nameplate: the name in chrome letters
// on a recessed dark plate.
void PaintCredits(Canvas& canvas, const ButtonArt& b, float x, float y, ButtonState state) {
    const bool down = state == ButtonState::kDown, focused = state == ButtonState::kFocused;
    const RoundRect plate(x + 3, y + 4, x + 77, y + 26, 11);
    canvas.Fill(Shifted(plate, 0, 0.8f, 0.6f), Solid({84, 140, 102}));
    canvas.Fill(plate, Solid({6, 18, 10}));
    const Color top = focused ? Color{30, 78, 50} : Color{12, 34, 20};
    const Color bottom = focused ? Color{46, 108, 70} : Color{22, 58, 36};
    canvas.Fill(Shifted(plate, 0, 0, -1), VerticalRamp(y + 4, top, y + 26, bottom));
    const float s = down ? 1 : 0;
    const Color chrome = focused ? Color{255, 220, 130} : Color{214, 228, 220};
    Label(canvas, b.label, x + 40 + s, y + 15 + s, TextStyle{11, 1.8f, 1, 0.16f, 0.3f}, chrome, Ink::kBlack,
          0.7f);
}

}  // namespace

IndexedImage PaintButton(const ButtonArt& button, ButtonState state) {
    const int left = Layout::PixelX(button.dluX), top = Layout::PixelY(button.dluY);
    Canvas canvas(button.width, button.height, left, top);
    const float x = static_cast<float>(left), y = static_cast<float>(top);
    PaintScene(canvas);
    switch (button.face) {
        case Face::kDigit: PaintDigit(canvas, button, x, y, state); break;
        case Face::kDial: PaintDial(canvas, button, x, y, state); break;
        case Face::kClear: PaintClear(canvas, button, x, y, state); break;
        case Face::kCredits: PaintCredits(canvas, button, x, y, state); break;
    }
    return canvas.Reduce();
}
