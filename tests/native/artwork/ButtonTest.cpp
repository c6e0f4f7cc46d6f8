// The bitmap buttons against the background they sit on: corners that blend
// in where the dialog puts them, pressed labels that move, focused faces that
// light up, and letter groups only on the keys that have them.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>

#include "ArtworkFiles.h"

namespace {

struct Button {
    const char* base;
    int x, y;        // client pixels: template dialog units with base units 6 x 13
    bool darkLabel;  // dark figures on silver, or light letters on colour
    bool letters;
};

const Button kButtons[] = {
    {"IDB_DIAL_", 24, 138, false, false}, {"IDB_CLR_", 118, 139, false, false},
    {"IDB_D1_", 24, 178, true, false},    {"IDB_D2_", 66, 178, true, true},
    {"IDB_D3_", 105, 178, true, true},    {"IDB_D4_", 24, 221, true, true},
    {"IDB_D5_", 66, 221, true, true},     {"IDB_D6_", 105, 221, true, true},
    {"IDB_D7_", 24, 260, true, true},     {"IDB_D8_", 66, 260, true, true},
    {"IDB_D9_", 105, 260, true, true},    {"IDB_DZ_", 24, 300, true, false},
    {"IDB_D0_", 66, 300, true, false},    {"IDB_DH_", 105, 300, true, false},
    {"IDB_SIG_", 69, 8, false, false},
};

void PrintTo(const Button& b, std::ostream* os) {
    *os << b.base;
}

class Buttons : public ::testing::TestWithParam<Button> {
protected:
    void SetUp() override {
        std::string why;
        ASSERT_TRUE(LoadBitmap("IDB_BACK", back_, why)) << why;
        for (int i = 0; i < 3; ++i) {
            ASSERT_TRUE(LoadBitmap(std::string(GetParam().base) + "UDF"[i], state_[i], why)) << why;
        }
    }

    // The box x0, y0, x1, y1 around the label: neutral dark ink on a keypad
    // key (never green, unlike the body and the shadows on it), or white or
    // chrome on the others.
    std::array<int, 4> LabelBox(const Bitmap& b) const {
        std::array<int, 4> box{b.width, b.height, -1, -1};
        for (int y = 0; y < b.height; ++y) {
            for (int x = 0; x < b.width; ++x) {
                const Rgb c = b.At(x, y);
                if (GetParam().darkLabel ? c.Luma() < 70 && c.b >= c.g : c.Luma() > 200) {
                    box = {std::min(box[0], x), std::min(box[1], y), std::max(box[2], x),
                           std::max(box[3], y)};
                }
            }
        }
        return box;
    }

    const Bitmap& Up() const { return state_[0]; }

    Bitmap back_, state_[3];
};

TEST_P(Buttons, BlendsIntoThePhoneBodyWhereTheDialogPutsIt) {
    const Button& p = GetParam();
    const int w = Up().width - 1, h = Up().height - 1;
    for (const auto& [cx, cy] : {std::pair{0, 0}, {w, 0}, {0, h}, {w, h}}) {
        const Rgb under = back_.At(p.x + cx, p.y + cy);
        for (int s = 0; s < 3; ++s)
            EXPECT_EQ(state_[s].At(cx, cy), under) << "UDF"[s] << " at " << cx << "," << cy;
        // Phone green, not the grey desk beside it nor the pale screen.
        EXPECT_GT(under.g, under.r + 10) << cx << "," << cy;
        EXPECT_GT(under.g, under.b + 5) << cx << "," << cy;
        EXPECT_LT(under.Luma(), 150) << cx << "," << cy;
    }
}

TEST_P(Buttons, PressedLabelMovesOnePixelRightAndDown) {
    const std::array<int, 4> up = LabelBox(Up()), down = LabelBox(state_[1]);
    ASSERT_GE(up[2], 0) << "no label found";
    EXPECT_EQ(down, (std::array<int, 4>{up[0] + 1, up[1] + 1, up[2] + 1, up[3] + 1}));
}

TEST_P(Buttons, FocusedFaceIsLighter) {
    long gain = 0;
    for (int y = 0; y < Up().height; ++y) {
        for (int x = 0; x < Up().width; ++x) gain += state_[2].At(x, y).Luma() - Up().At(x, y).Luma();
    }
    EXPECT_GT(gain, 4L * Up().width * Up().height) << "less than 4 levels lighter on average";
}

using KeypadKeys = Buttons;

TEST_P(KeypadKeys, CarryALetterGroupOnlyFromTwoToNine) {
    // The letters are the only teal on a silver key, in the band under the digit.
    int teal = 0;
    for (int y = 24; y < Up().height; ++y) {
        for (int x = 0; x < Up().width; ++x) teal += Up().At(x, y).b - Up().At(x, y).r > 40 ? 1 : 0;
    }
    if (GetParam().letters) {
        EXPECT_GE(teal, 12);
    } else {
        EXPECT_EQ(teal, 0);
    }
}

std::string BaseName(const ::testing::TestParamInfo<Button>& info) {
    const std::string base = info.param.base;
    return base.substr(4, base.size() - 5);
}

INSTANTIATE_TEST_SUITE_P(All, Buttons, ::testing::ValuesIn(kButtons), BaseName);
INSTANTIATE_TEST_SUITE_P(Digits, KeypadKeys,
                         ::testing::ValuesIn(std::begin(kButtons) + 2, std::begin(kButtons) + 14), BaseName);

}  // namespace
