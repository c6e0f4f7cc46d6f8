// Classic .ico files of 16-colour images with transparency masks.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct IconImage {
    int size = 0;                     // width and height in pixels
    std::vector<std::uint8_t> color;  // standard VGA colour numbers, top row first
    std::vector<bool> transparent;    // true where the screen shows through
};

// The whole .ico file, its images in the order given.
std::string EncodeIco(const std::vector<IconImage>& images);
