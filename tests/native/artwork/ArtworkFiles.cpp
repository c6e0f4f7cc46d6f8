#include "ArtworkFiles.h"

#include "tests/common/FileBytes.h"

std::string ReadRes(const std::string& relative) {
    return ReadFileBytes(std::string(TOLLWICK_RES_DIR) + "/" + relative);
}

std::uint32_t U16At(const std::string& bytes, std::size_t offset) {
    if (offset + 2 > bytes.size()) return 0;
    return static_cast<std::uint8_t>(bytes[offset]) | static_cast<std::uint8_t>(bytes[offset + 1]) << 8;
}

std::uint32_t U32At(const std::string& bytes, std::size_t offset) {
    if (offset + 4 > bytes.size()) return 0;
    return U16At(bytes, offset) | U16At(bytes, offset + 2) << 16;
}

bool LoadBitmap(const std::string& name, Bitmap& out, std::string& why) {
    const std::string bytes = ReadRes("bitmaps/" + name + ".bmp");
    const auto width = static_cast<std::int32_t>(U32At(bytes, 18));
    const auto height = static_cast<std::int32_t>(U32At(bytes, 22));
    const std::size_t stride = (static_cast<std::size_t>(width) + 3) & ~std::size_t{3};
    const std::size_t offset = U32At(bytes, 10);
    if (U16At(bytes, 28) != 8 || U32At(bytes, 30) != 0 || width <= 0 || height <= 0 || offset < 54 + 1024 ||
        offset + stride * static_cast<std::size_t>(height) > bytes.size()) {
        why = name + " is missing or not an 8-bit uncompressed bottom-up bitmap";
        return false;
    }
    out = Bitmap{width, height, {}, {}};
    for (std::size_t p = 54; p < 54 + 1024; p += 4) {
        out.palette.push_back({static_cast<std::uint8_t>(bytes[p + 2]),
                               static_cast<std::uint8_t>(bytes[p + 1]), static_cast<std::uint8_t>(bytes[p])});
    }
    for (int y = height - 1; y >= 0; --y) {  // bottom-up: the last row in the file is the top
        const char* row = &bytes[offset + stride * static_cast<std::size_t>(y)];
        out.index.insert(out.index.end(), row, row + width);
    }
    return true;
}
