#include "tools/artgen/IcoFile.h"

#include "tools/artgen/ByteWriter.h"

namespace {

// The sixteen colours of the standard VGA palette, in their usual order.
constexpr std::uint8_t kVga[16][3] = {
    {0, 0, 0},     {128, 0, 0},     {0, 128, 0},     {128, 128, 0},   {0, 0, 128}, {128, 0, 128},
    {0, 128, 128}, {192, 192, 192}, {128, 128, 128}, {255, 0, 0},     {0, 255, 0}, {255, 255, 0},
    {0, 0, 255},   {255, 0, 255},   {0, 255, 255},   {255, 255, 255},
};

std::uint32_t ColorStride(int size) {
    return static_cast<std::uint32_t>((size * 4 + 31) / 32 * 4);
}
std::uint32_t MaskStride(int size) {
    return static_cast<std::uint32_t>((size + 31) / 32 * 4);
}
std::uint32_t BitsSize(int size) {
    return (ColorStride(size) + MaskStride(size)) * static_cast<std::uint32_t>(size);
}
std::uint32_t ImageSize(int size) {
    return 40 + 16 * 4 + BitsSize(size);
}

void WriteImage(ByteWriter& out, const IconImage& image) {
    const int n = image.size;
    out.U32(40);
    out.U32(static_cast<std::uint32_t>(n));
    out.U32(static_cast<std::uint32_t>(2 * n));  // colour bits and mask stacked
    out.U16(1);
    out.U16(4);
    out.U32(0);
    out.U32(BitsSize(n));
    out.U32(0);
    out.U32(0);
    out.U32(0);
    out.U32(0);
    for (const auto& c : kVga) {
        out.U8(c[2]);
        out.U8(c[1]);
        out.U8(c[0]);
        out.U8(0);
    }
    for (int y = n - 1; y >= 0; --y) {
        const std::uint8_t* row = &image.color[static_cast<std::size_t>(y * n)];
        for (int x = 0; x < n; x += 2) out.U8(static_cast<std::uint32_t>(row[x] << 4 | row[x + 1]));
        for (std::uint32_t pad = static_cast<std::uint32_t>(n / 2); pad < ColorStride(n); ++pad) out.U8(0);
    }
    for (int y = n - 1; y >= 0; --y) {
        std::uint32_t written = 0;
        for (int x = 0; x < n; x += 8, ++written) {
            std::uint32_t bits = 0;
            for (int b = 0; b < 8; ++b) {
                if (image.transparent[static_cast<std::size_t>(y * n + x + b)]) bits |= 0x80u >> b;
            }
            out.U8(bits);
        }
        for (; written < MaskStride(n); ++written) out.U8(0);
    }
}

}  // namespace

std::string EncodeIco(const std::vector<IconImage>& images) {
    ByteWriter out;
    out.U16(0);
    out.U16(1);  // icon, not cursor
    out.U16(static_cast<std::uint32_t>(images.size()));
    std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(images.size());
    for (const IconImage& image : images) {
        out.U8(static_cast<std::uint32_t>(image.size));
        out.U8(static_cast<std::uint32_t>(image.size));
        out.U8(16);
        out.U8(0);
        out.U16(1);
        out.U16(4);
        out.U32(ImageSize(image.size));
        out.U32(offset);
        offset += ImageSize(image.size);
    }
    for (const IconImage& image : images) WriteImage(out, image);
    return out.Bytes();
}
