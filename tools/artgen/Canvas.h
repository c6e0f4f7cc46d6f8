// A supersampled RGB drawing surface whose shapes are signed distance
// functions, reduced to palette indices once the picture is complete.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "tools/artgen/Palette.h"

struct Box {
    float x0, y0, x1, y1;
};

class Shape {
public:
    virtual ~Shape() = default;
    // Distance in pixels to the outline: negative inside.
    virtual float Distance(float x, float y) const = 0;
    // Encloses every point with a negative distance.
    virtual Box Bounds() const = 0;
};

class RoundRect : public Shape {
public:
    // Corners x0,y0 (inclusive) and x1,y1 (exclusive) in pixel edges.
    RoundRect(float x0, float y0, float x1, float y1, float radius)
        : x0_(x0), y0_(y0), x1_(x1), y1_(y1), radius_(radius) {}
    float Distance(float x, float y) const override;
    Box Bounds() const override { return {x0_, y0_, x1_, y1_}; }

private:
    float x0_, y0_, x1_, y1_, radius_;
};

class Ellipse : public Shape {
public:
    Ellipse(float cx, float cy, float rx, float ry) : cx_(cx), cy_(cy), rx_(rx), ry_(ry) {}
    float Distance(float x, float y) const override;
    Box Bounds() const override { return {cx_ - rx_, cy_ - ry_, cx_ + rx_, cy_ + ry_}; }

private:
    float cx_, cy_, rx_, ry_;
};

// A union of round-capped line segments of one width: text and line art.
class Strokes : public Shape {
public:
    explicit Strokes(float width) : radius_(width / 2) {}
    void Line(float x0, float y0, float x1, float y1);
    // Arc of the ellipse around cx,cy from angle a0 to a1 in degrees,
    // 0 pointing right and 90 pointing down.
    void Arc(float cx, float cy, float rx, float ry, float a0, float a1);
    float Distance(float x, float y) const override;
    Box Bounds() const override;

private:
    struct Segment {
        float x0, y0, x1, y1;
    };
    std::vector<Segment> segments_;
    float radius_;
};

// Another shape moved by dx,dy; grown outwards by `grow` pixels.
class Shifted : public Shape {
public:
    Shifted(const Shape& shape, float dx, float dy, float grow = 0)
        : shape_(shape), dx_(dx), dy_(dy), grow_(grow) {}
    float Distance(float x, float y) const override { return shape_.Distance(x - dx_, y - dy_) - grow_; }
    Box Bounds() const override;

private:
    const Shape& shape_;
    float dx_, dy_, grow_;
};

// Colour at a point, for gradients and textures.
using Paint = std::function<Color(float x, float y)>;

Paint Solid(Color c);
// Top colour at y0 blending to the bottom colour at y1, flat beyond.
Paint VerticalRamp(float y0, Color top, float y1, Color bottom);

struct IndexedImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;  // palette indices, top row first
};

class Canvas {
public:
    // The canvas shows the pixels originX.. and originY.. of a larger
    // picture, so that a button is drawn in the same coordinates as the
    // background it sits on.
    Canvas(int width, int height, int originX = 0, int originY = 0);

    void Fill(const Shape& shape, const Paint& paint, float opacity = 1);
    // Like Fill with an edge that fades over `blur` pixels, for shadows
    // and glows.
    void Blur(const Shape& shape, Color color, float opacity, float blur);
    // Averages each pixel's samples and picks its palette entry. Dithering
    // trades exact flat colours for smooth wide gradients.
    IndexedImage Reduce(bool dither = false) const;

private:
    static constexpr int kSamples = 4;  // per pixel along each axis

    template <typename Coverage>
    void Cover(Box box, const Paint& paint, float opacity, Coverage coverage);

    int width_, height_, originX_, originY_;
    std::vector<Color> samples_;
};
