#include <algorithm>
#include <cmath>

#include "tools/artgen/Artwork.h"
#include "tools/artgen/Layout.h"
#include "tools/artgen/StrokeFont.h"

namespace {

constexpr float kW = Layout::kAboutWidth, kH = Layout::kAboutHeight;

void PaintSky(Canvas& canvas) {
    canvas.Fill(RoundRect(0, 0, kW, kH, 0), [](float x, float y) {
        const Color deep = Mix({6, 40, 26}, {0, 80, 88}, x / kW);
        return Mix(deep, {2, 18, 14}, 0.6f * y / kH);
    });
    // Light behind the little phone.
    canvas.Blur(Ellipse(40, 48, 30, 40), {40, 150, 120}, 0.35f, 40);
}

// The product in miniature: body, lit screen, twelve keys and the antenna
// sending its waves off to the right.
void PaintLittlePhone(Canvas& canvas) {
    const RoundRect body(22, 14, 58, 94, 8);
    canvas.Blur(Shifted(body, 3, 4), Ink::kBlack, 0.6f, 8);
    canvas.Fill(RoundRect(47, 6, 52, 18, 2.5f), VerticalRamp(6, {60, 70, 64}, 18, {14, 22, 18}));
    canvas.Fill(body, Solid({6, 20, 12}));
    canvas.Fill(Shifted(body, 0, 0, -1), VerticalRamp(14, {80, 138, 100}, 94, {18, 48, 30}));
    canvas.Fill(Shifted(body, 0, 0, -2.2f), Solid({28, 72, 46}));
    canvas.Fill(RoundRect(26, 22, 54, 44, 2.5f), Solid({4, 12, 8}));
    canvas.Fill(RoundRect(28, 25, 52, 41, 0.5f), Solid(Ink::kScreen));
    Strokes digits(1.1f);
    AddText(digits, "555-01", 30, 37.5f, TextStyle{6, 1.1f, 0.6f});
    canvas.Fill(digits, Solid({28, 44, 26}));
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 3; ++column) {
            const float kx = 28.5f + 8.5f * column, ky = 50 + 9 * row;
            canvas.Fill(RoundRect(kx, ky + 1, kx + 6.5f, ky + 7, 2), Solid({10, 30, 18}));
            canvas.Fill(RoundRect(kx, ky, kx + 6.5f, ky + 6, 2),
                        VerticalRamp(ky, {236, 242, 238}, ky + 6, {160, 176, 168}));
        }
    }
    for (int i = 0; i < 3; ++i) {
        Strokes wave(1.6f);
        const float r = 9 + 7 * i;
        wave.Arc(49.5f, 8, r, r, -40, 20);
        canvas.Fill(wave, Solid({190, 240, 226}), 0.8f - 0.22f * i);
    }
}

void PaintTitle(Canvas& canvas) {
    const TextStyle title{27, 3.8f, 1, 0.12f, 0.5f};
    Strokes name(title.stroke);
    AddText(name, "Tollwick", 86, 48, title);
    canvas.Blur(Shifted(name, 1.5f, 2.5f), Ink::kBlack, 0.55f, 3);
    canvas.Fill(name, VerticalRamp(20, Ink::kWhite, 48, {186, 232, 218}));

    canvas.Fill(RoundRect(88, 57, 268, 58.2f, 0.6f), [](float x, float) {
        return Mix({255, 214, 120}, {0, 84, 90}, std::clamp((x - 88) / 180, 0.0f, 1.0f));
    });

    Strokes tagline(1.25f);
    AddText(tagline, "speed dialer for Windows", 88, 72, TextStyle{8, 1.25f, 1, 0, 0.35f});
    canvas.Fill(tagline, Solid({176, 226, 212}));
    Strokes version(1.1f);
    AddText(version, "Version 1.3", 88, 86, TextStyle{7, 1.1f, 1, 0, 0.35f});
    canvas.Fill(version, Solid({255, 214, 120}));
}

}  // namespace

IndexedImage PaintAbout() {
    Canvas canvas(Layout::kAboutWidth, Layout::kAboutHeight);
    PaintSky(canvas);
    PaintLittlePhone(canvas);
    PaintTitle(canvas);
    return canvas.Reduce(true);
}
