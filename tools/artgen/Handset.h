// The telephone handset pictogram, shared by the End icon and the Dial key.
#pragma once

#include "tools/artgen/Canvas.h"

// A thick arched grip ending in an ear cup and a mouth cup, `size` pixels
// wide with its top-left corner at x,y.
class Handset : public Shape {
public:
    Handset(float x, float y, float size);
    float Distance(float x, float y) const override;
    Box Bounds() const override { return bounds_; }

private:
    Strokes grip_;
    RoundRect ear_, mouth_;
    Box bounds_;
};
