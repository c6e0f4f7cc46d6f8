// The icon files: two 16-colour images each, 32 and 16 pixels, in the
// classic .ico layout, and the transparent large image of the list icon.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ArtworkFiles.h"

namespace {

struct Image {
    int size = 0;
    std::string bits;  // BITMAPINFOHEADER, palette, colour bits, mask
    std::string Colour() const { return bits.substr(40 + 64, static_cast<std::size_t>(size * size / 2)); }
    // One 32-bit row per line, whatever the width.
    std::string Mask() const { return bits.substr(40 + 64 + static_cast<std::size_t>(size * size / 2)); }

    int Pixel(int x, int y) const {
        const auto byte = static_cast<std::uint8_t>(Colour()[static_cast<std::size_t>((y * size + x) / 2)]);
        return x % 2 == 0 ? byte >> 4 : byte & 15;
    }
    bool Clear(int x, int y) const {
        return (static_cast<std::uint8_t>(Mask()[static_cast<std::size_t>(y * 4 + x / 8)]) >> (7 - x % 8) &
                1) != 0;
    }
};

// The two images in directory order, each checked against the format.
std::vector<Image> LoadIcon(const std::string& name) {
    const std::string b = ReadRes("icons/" + name + ".ico");
    EXPECT_EQ(U16At(b, 0), 0u);
    EXPECT_EQ(U16At(b, 2), 1u);  // icon, not cursor
    EXPECT_EQ(U16At(b, 4), 2u);
    std::vector<Image> images;
    std::size_t end = 6 + 2 * 16;
    for (const int n : {32, 16}) {
        SCOPED_TRACE(name + " " + std::to_string(n));
        const std::size_t entry = 6 + 16 * images.size();
        EXPECT_EQ(U16At(b, entry), static_cast<std::uint32_t>(n << 8 | n));  // width, height
        EXPECT_EQ(U16At(b, entry + 2), 16u);                                 // colours
        EXPECT_EQ(U32At(b, entry + 4), 4u << 16 | 1);                        // planes, bits per pixel
        const std::size_t length = U32At(b, entry + 8), offset = U32At(b, entry + 12);
        EXPECT_EQ(length, 40u + 16 * 4 + n * n / 2 + 4 * n);
        EXPECT_EQ(offset, end);
        if (offset + length > b.size()) {
            ADD_FAILURE() << "image runs past the end of the file";
            return images;
        }
        end = offset + length;
        const Image image{n, b.substr(offset, length)};
        EXPECT_EQ(U32At(image.bits, 0), 40u);
        EXPECT_EQ(U32At(image.bits, 4), static_cast<std::uint32_t>(n));
        EXPECT_EQ(U32At(image.bits, 8), static_cast<std::uint32_t>(2 * n));  // colour and mask stacked
        EXPECT_EQ(U32At(image.bits, 12), 4u << 16 | 1);
        EXPECT_EQ(U32At(image.bits, 16), 0u);
        // The standard VGA colours, green at 2, red at 9, white at 15.
        EXPECT_EQ(U32At(image.bits, 40 + 4 * 2), 0x008000u);
        EXPECT_EQ(U32At(image.bits, 40 + 4 * 9), 0xFF0000u);
        EXPECT_EQ(U32At(image.bits, 40 + 4 * 15), 0xFFFFFFu);
        images.push_back(image);
    }
    EXPECT_EQ(end, b.size());
    return images;
}

// Pixels drawn (in `colour`, or any); a clear pixel must be black in the
// colour bits, or it would tint the screen under it.
int Drawn(const Image& image, int colour = -1) {
    int drawn = 0;
    for (int y = 0; y < image.size; ++y) {
        for (int x = 0; x < image.size; ++x) {
            if (image.Clear(x, y)) {
                EXPECT_EQ(image.Pixel(x, y), 0) << x << "," << y;
            } else if (colour < 0 || image.Pixel(x, y) == colour) {
                ++drawn;
            }
        }
    }
    return drawn;
}

TEST(Icons, PhoneShowsInBothSizes) {
    const auto images = LoadIcon("phone");
    ASSERT_EQ(images.size(), 2u);
    for (const Image& image : images) {
        EXPECT_GE(Drawn(image), image.size * image.size / 4);
        EXPECT_LT(Drawn(image), image.size * image.size * 3 / 4);  // a phone, not a square
    }
}

TEST(Icons, ListIconIsEmptyLargeAndTheSmallPhone) {
    const auto list = LoadIcon("list"), phone = LoadIcon("phone");
    ASSERT_EQ(list.size(), 2u);
    ASSERT_EQ(phone.size(), 2u);
    EXPECT_EQ(list[0].Colour(), std::string(32 * 32 / 2, '\0'));
    EXPECT_EQ(list[0].Mask(), std::string(32 * 4, '\xFF'));
    EXPECT_EQ(list[1].bits, phone[1].bits);
}

TEST(Icons, EndIsABlackHandsetUnderARedCross) {
    const auto images = LoadIcon("end");
    ASSERT_EQ(images.size(), 2u);
    for (const Image& image : images) {
        const int area = image.size * image.size;
        EXPECT_GE(Drawn(image, 9), area / 10) << image.size;
        EXPECT_GE(Drawn(image, 0), area / 20) << image.size;
        EXPECT_LT(Drawn(image), area * 3 / 4) << image.size;
    }
}

}  // namespace
