// Windows bitmap files: 8 bits per pixel, uncompressed, bottom-up.
#pragma once

#include <string>

#include "tools/artgen/Canvas.h"

// The whole .bmp file, with the shared palette as its colour table.
std::string EncodeBmp(const IndexedImage& image);
