#include "tools/artgen/Canvas.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

constexpr float kPi = 3.14159265358979f;

float Length(float x, float y) {
    return std::sqrt(x * x + y * y);
}

float SegmentDistance(float px, float py, float x0, float y0, float x1, float y1) {
    const float dx = x1 - x0, dy = y1 - y0;
    const float span = dx * dx + dy * dy;
    float t = span > 0 ? ((px - x0) * dx + (py - y0) * dy) / span : 0;
    t = std::clamp(t, 0.0f, 1.0f);
    return Length(px - (x0 + t * dx), py - (y0 + t * dy));
}

}  // namespace

float RoundRect::Distance(float x, float y) const {
    const float r = std::min(radius_, std::min(x1_ - x0_, y1_ - y0_) / 2);
    const float cx = (x0_ + x1_) / 2, cy = (y0_ + y1_) / 2;
    const float qx = std::abs(x - cx) - ((x1_ - x0_) / 2 - r);
    const float qy = std::abs(y - cy) - ((y1_ - y0_) / 2 - r);
    return Length(std::max(qx, 0.0f), std::max(qy, 0.0f)) + std::min(std::max(qx, qy), 0.0f) - r;
}

float Ellipse::Distance(float x, float y) const {
    // Exact for circles; for ellipses close enough near the outline, which
    // is all that anti-aliasing and soft shadows look at.
    const float nx = (x - cx_) / rx_, ny = (y - cy_) / ry_;
    const float n = Length(nx, ny);
    if (n == 0) return -std::min(rx_, ry_);
    const float gradient = Length(nx / rx_, ny / ry_);
    return (n - 1) * n / gradient;
}

void Strokes::Line(float x0, float y0, float x1, float y1) {
    segments_.push_back({x0, y0, x1, y1});
}

void Strokes::Arc(float cx, float cy, float rx, float ry, float a0, float a1) {
    const int steps = std::max(2, static_cast<int>(std::abs(a1 - a0) / 360 * (rx + ry) * 2 * kPi / 1.5f));
    float px = cx + rx * std::cos(a0 * kPi / 180), py = cy + ry * std::sin(a0 * kPi / 180);
    for (int i = 1; i <= steps; ++i) {
        const float a = (a0 + (a1 - a0) * i / steps) * kPi / 180;
        const float x = cx + rx * std::cos(a), y = cy + ry * std::sin(a);
        Line(px, py, x, y);
        px = x;
        py = y;
    }
}

float Strokes::Distance(float x, float y) const {
    float best = 1e30f;
    for (const Segment& s : segments_) {
        // Most segments are far away; skip them before the exact distance.
        if (x < std::min(s.x0, s.x1) - best || x > std::max(s.x0, s.x1) + best ||
            y < std::min(s.y0, s.y1) - best || y > std::max(s.y0, s.y1) + best) {
            continue;
        }
        best = std::min(best, SegmentDistance(x, y, s.x0, s.y0, s.x1, s.y1));
    }
    return best - radius_;
}

Box Strokes::Bounds() const {
    Box box{1e30f, 1e30f, -1e30f, -1e30f};
    for (const Segment& s : segments_) {
        box.x0 = std::min({box.x0, s.x0, s.x1});
        box.y0 = std::min({box.y0, s.y0, s.y1});
        box.x1 = std::max({box.x1, s.x0, s.x1});
        box.y1 = std::max({box.y1, s.y0, s.y1});
    }
    return {box.x0 - radius_, box.y0 - radius_, box.x1 + radius_, box.y1 + radius_};
}

Box Shifted::Bounds() const {
    const Box b = shape_.Bounds();
    return {b.x0 + dx_ - grow_, b.y0 + dy_ - grow_, b.x1 + dx_ + grow_, b.y1 + dy_ + grow_};
}

Paint Solid(Color c) {
    return [c](float, float) { return c; };
}

Paint VerticalRamp(float y0, Color top, float y1, Color bottom) {
    return [=](float, float y) { return Mix(top, bottom, std::clamp((y - y0) / (y1 - y0), 0.0f, 1.0f)); };
}

Canvas::Canvas(int width, int height, int originX, int originY)
    : width_(width),
      height_(height),
      originX_(originX),
      originY_(originY),
      samples_(static_cast<std::size_t>(width * height * kSamples * kSamples), Ink::kBlack) {}

template <typename Coverage>
void Canvas::Cover(Box box, const Paint& paint, float opacity, Coverage coverage) {
    const int columns = width_ * kSamples, rows = height_ * kSamples;
    // Sample index range of the box, clamped before the conversion so that
    // an empty shape's inverted box stays harmless.
    auto range = [](float from, float to, float origin, int limit) {
        const float first =
            std::clamp(std::floor((from - origin) * kSamples), 0.0f, static_cast<float>(limit));
        const float last =
            std::clamp(std::ceil((to - origin) * kSamples) + 1, 0.0f, static_cast<float>(limit));
        return std::pair{static_cast<int>(first), static_cast<int>(last)};
    };
    const auto [sx0, sx1] = range(box.x0, box.x1, static_cast<float>(originX_), columns);
    const auto [sy0, sy1] = range(box.y0, box.y1, static_cast<float>(originY_), rows);
    for (int sy = sy0; sy < sy1; ++sy) {
        const float y = originY_ + (sy + 0.5f) / kSamples;
        for (int sx = sx0; sx < sx1; ++sx) {
            const float x = originX_ + (sx + 0.5f) / kSamples;
            const float amount = coverage(x, y) * opacity;
            if (amount <= 0) continue;
            Color& sample = samples_[static_cast<std::size_t>(sy * columns + sx)];
            sample = amount >= 1 ? paint(x, y) : Mix(sample, paint(x, y), amount);
        }
    }
}

void Canvas::Fill(const Shape& shape, const Paint& paint, float opacity) {
    Cover(shape.Bounds(), paint, opacity,
          [&](float x, float y) { return shape.Distance(x, y) < 0 ? 1.0f : 0.0f; });
}

void Canvas::Blur(const Shape& shape, Color color, float opacity, float blur) {
    Box box = shape.Bounds();
    box = {box.x0 - blur, box.y0 - blur, box.x1 + blur, box.y1 + blur};
    Cover(box, Solid(color), opacity, [&](float x, float y) {
        const float t = std::clamp(0.5f - shape.Distance(x, y) / blur, 0.0f, 1.0f);
        return t * t * (3 - 2 * t);
    });
}

IndexedImage Canvas::Reduce(bool dither) const {
    // 4 x 4 ordered dither, about one palette step from end to end.
    static constexpr float kBayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    IndexedImage image{width_, height_, {}};
    image.pixels.reserve(static_cast<std::size_t>(width_ * height_));
    const int columns = width_ * kSamples;
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            Color sum{0, 0, 0};
            for (int j = 0; j < kSamples; ++j) {
                for (int i = 0; i < kSamples; ++i) {
                    const Color& s =
                        samples_[static_cast<std::size_t>((y * kSamples + j) * columns + x * kSamples + i)];
                    sum = {sum.r + s.r, sum.g + s.g, sum.b + s.b};
                }
            }
            constexpr float kCount = kSamples * kSamples;
            const float offset = dither ? (kBayer[y & 3][x & 3] - 7.5f) * 0.6f : 0;
            image.pixels.push_back(
                NearestIndex({sum.r / kCount + offset, sum.g / kCount + offset, sum.b / kCount + offset}));
        }
    }
    return image;
}
