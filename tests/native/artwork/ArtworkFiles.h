// Reading the committed files under res/ for the artwork tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The bytes of res/<relative>, empty when the file is missing.
std::string ReadRes(const std::string& relative);

// Little-endian fields; 0 past the end, so a short file fails the checks
// instead of crashing them.
std::uint32_t U16At(const std::string& bytes, std::size_t offset);
std::uint32_t U32At(const std::string& bytes, std::size_t offset);

struct Rgb {
    int r, g, b;
    bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
    int Luma() const { return (r * 3 + g * 6 + b) / 10; }
};

// An 8-bit palette bitmap as the program sees it, top row first.
struct Bitmap {
    int width = 0;
    int height = 0;
    std::vector<Rgb> palette;
    std::vector<std::uint8_t> index;
    Rgb At(int x, int y) const { return palette[index[static_cast<std::size_t>(y * width + x)]]; }
};

// Reads res/bitmaps/<name>.bmp; false (with the reason) unless it is an
// 8-bit uncompressed bottom-up bitmap whose sizes agree with its length.
bool LoadBitmap(const std::string& name, Bitmap& out, std::string& why);
