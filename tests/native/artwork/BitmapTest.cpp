// The bitmap files: format and size of every one, and the pixels the
// display relies on — the phone's screen and the glyph cells drawn onto it.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "ArtworkFiles.h"

namespace {

struct Expected {
    std::string name;
    int width, height;
};

// Two pictures, the About picture, and up, down and focused images of each
// bitmap button.
std::vector<Expected> Catalogue() {
    std::vector<Expected> all = {{"IDB_BACK", 400, 370}, {"IDB_BITMAP_NUMBERS", 157, 26}, {"about", 288, 96}};
    const Expected bases[] = {{"DIAL", 93, 36}, {"CLR", 26, 38}, {"DZ", 38, 38}, {"DH", 38, 38},
                              {"SIG", 80, 30},  {"D0", 38, 38},  {"D1", 38, 38}, {"D2", 38, 38},
                              {"D3", 38, 38},   {"D4", 38, 38},  {"D5", 38, 38}, {"D6", 38, 38},
                              {"D7", 38, 38},   {"D8", 38, 38},  {"D9", 38, 38}};
    for (const Expected& b : bases) {
        for (const char* state : {"U", "D", "F"})
            all.push_back({"IDB_" + b.name + "_" + state, b.width, b.height});
    }
    return all;
}

TEST(BitmapFiles, TheFolderHoldsExactlyTheCatalogue) {
    std::set<std::string> expected, found;
    for (const Expected& e : Catalogue()) expected.insert(e.name + ".bmp");
    for (const auto& entry :
         std::filesystem::directory_iterator(std::string(TOLLWICK_RES_DIR) + "/bitmaps")) {
        found.insert(entry.path().filename().string());
    }
    EXPECT_EQ(found, expected);
}

TEST(BitmapFiles, EachIsAnUncompressed8BitBottomUpBitmapOfItsSize) {
    for (const Expected& e : Catalogue()) {
        SCOPED_TRACE(e.name);
        const std::string b = ReadRes("bitmaps/" + e.name + ".bmp");
        const std::uint32_t pixels = ((static_cast<std::uint32_t>(e.width) + 3) & ~3u) * e.height;
        EXPECT_EQ(b.substr(0, 2), "BM");
        EXPECT_EQ(U32At(b, 2), b.size());
        EXPECT_EQ(U32At(b, 10), 14u + 40 + 256 * 4);  // a full palette between header and pixels
        EXPECT_EQ(U32At(b, 14), 40u);                 // BITMAPINFOHEADER
        EXPECT_EQ(U32At(b, 18), static_cast<std::uint32_t>(e.width));
        EXPECT_EQ(U32At(b, 22), static_cast<std::uint32_t>(e.height));  // positive: bottom-up
        EXPECT_EQ(U16At(b, 26), 1u);
        EXPECT_EQ(U16At(b, 28), 8u);
        EXPECT_EQ(U32At(b, 30), 0u);  // BI_RGB
        EXPECT_TRUE(U32At(b, 34) == pixels || U32At(b, 34) == 0);
        EXPECT_TRUE(U32At(b, 46) == 256 || U32At(b, 46) == 0);
        EXPECT_EQ(b.size(), 14u + 40 + 1024 + pixels);
    }
}

class Screen : public ::testing::Test {
protected:
    void SetUp() override {
        std::string why;
        ASSERT_TRUE(LoadBitmap("IDB_BACK", back_, why)) << why;
        ASSERT_TRUE(LoadBitmap("IDB_BITMAP_NUMBERS", strip_, why)) << why;
        green_ = strip_.At(121, 1);  // the blank cell, drawn for spaces
    }

    Bitmap back_, strip_;
    Rgb green_{};
    const Rgb white_{255, 255, 255};
};

TEST_F(Screen, FillsExactlyItsRectangleInTheGlyphBackgroundColour) {
    // The display restores this rectangle; a screen spilling past it would
    // leave a seam against the frame.
    for (int y = 55; y <= 130; ++y) {
        for (int x = 23; x <= 144; ++x) {
            const bool inside = x >= 24 && x <= 143 && y >= 56 && y <= 129;
            EXPECT_EQ(back_.At(x, y) == green_, inside) << x << "," << y;
        }
    }
}

TEST_F(Screen, GlyphStripKeepsToItsCells) {
    for (int y = 0; y < 26; ++y) {
        for (int x = 0; x < 157; ++x) {
            const Rgb c = strip_.At(x, y);
            if (x > 128) {
                EXPECT_TRUE(c == white_ || c == green_) << "ink right of the cells at " << x << "," << y;
            } else if (x % 8 == 0 || y == 0 || y == 25) {
                EXPECT_EQ(c, white_) << "separator at " << x << "," << y;
            } else if (y == 1) {
                // Redrawing the name restores the display's top glyph line
                // from the background: ink there would vanish at each key.
                EXPECT_EQ(c, green_) << "ink on a cell's top line at " << x;
            }
        }
    }
}

TEST_F(Screen, BlankCellIsPureScreenAndEachOtherHoldsItsOwnGlyph) {
    std::vector<std::vector<std::uint8_t>> cells;
    for (int k = 0; k < 16; ++k) {
        std::vector<std::uint8_t> cell;
        int ink = 0;
        for (int y = 1; y <= 24; ++y) {
            for (int x = 1 + 8 * k; x < 8 + 8 * k; ++x) {
                cell.push_back(strip_.index[static_cast<std::size_t>(y * strip_.width + x)]);
                ink += strip_.At(x, y).Luma() < green_.Luma() - 60 ? 1 : 0;
                if (k == 15) {
                    EXPECT_EQ(strip_.At(x, y), green_) << x << "," << y;
                }
            }
        }
        if (k < 15) {
            EXPECT_GE(ink, 6) << "cell " << k;
        }
        for (const auto& earlier : cells) EXPECT_NE(cell, earlier) << "cell " << k;
        cells.push_back(cell);
    }
}

}  // namespace
