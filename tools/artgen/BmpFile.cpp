#include "tools/artgen/BmpFile.h"

#include "tools/artgen/ByteWriter.h"

std::string EncodeBmp(const IndexedImage& image) {
    const std::uint32_t stride = (static_cast<std::uint32_t>(image.width) + 3) & ~3u;
    const std::uint32_t pixelBytes = stride * static_cast<std::uint32_t>(image.height);
    const std::uint32_t pixelOffset = 14 + 40 + 256 * 4;
    ByteWriter out;
    // BITMAPFILEHEADER
    out.U16(0x4D42);  // "BM"
    out.U32(pixelOffset + pixelBytes);
    out.U32(0);
    out.U32(pixelOffset);
    // BITMAPINFOHEADER
    out.U32(40);
    out.U32(static_cast<std::uint32_t>(image.width));
    out.U32(static_cast<std::uint32_t>(image.height));  // positive: bottom row first
    out.U16(1);
    out.U16(8);
    out.U32(0);  // BI_RGB
    out.U32(pixelBytes);
    out.U32(2835);  // 72 dots per inch
    out.U32(2835);
    out.U32(256);
    out.U32(0);
    for (const Rgb8& c : SharedPalette()) {
        out.U8(c.b);
        out.U8(c.g);
        out.U8(c.r);
        out.U8(0);
    }
    for (int y = image.height - 1; y >= 0; --y) {
        const std::uint8_t* row = &image.pixels[static_cast<std::size_t>(y * image.width)];
        for (int x = 0; x < image.width; ++x) out.U8(row[x]);
        for (std::uint32_t pad = static_cast<std::uint32_t>(image.width); pad < stride; ++pad) out.U8(0);
    }
    return out.Bytes();
}
