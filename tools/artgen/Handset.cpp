#include "tools/artgen/Handset.h"

#include <algorithm>

// Designed on a 32-unit square; the handset spans x 1.5..30.5, y 11..25.5.
Handset::Handset(float x, float y, float size)
    : grip_(6 * size / 32),
      ear_(x + 1.5f * size / 32, y + 18 * size / 32, x + 12 * size / 32, y + 25.5f * size / 32,
           3 * size / 32),
      mouth_(x + 20 * size / 32, y + 18 * size / 32, x + 30.5f * size / 32, y + 25.5f * size / 32,
             3 * size / 32),
      bounds_{x, y + 10 * size / 32, x + size, y + 26 * size / 32} {
    grip_.Arc(x + 16 * size / 32, y + 27 * size / 32, 12 * size / 32, 13 * size / 32, 216, 324);
}

float Handset::Distance(float x, float y) const {
    return std::min({grip_.Distance(x, y), ear_.Distance(x, y), mouth_.Distance(x, y)});
}
