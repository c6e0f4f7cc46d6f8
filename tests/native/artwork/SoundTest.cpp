// The sounds: the WAVE format PlaySound takes from the resources, the
// lengths, the level range, faded ends, and the DTMF pair of every key.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "ArtworkFiles.h"

namespace {

struct Sound {
    const char* file;
    std::size_t samples;
    double low, high;  // 0 for the click
};

const Sound kSounds[] = {
    {"click", 356, 0, 0},         {"key0", 2258, 941, 1336}, {"key1", 2295, 697, 1209},
    {"key2", 2443, 697, 1336},    {"key3", 2405, 697, 1477}, {"key4", 2406, 770, 1209},
    {"key5", 2295, 770, 1336},    {"key6", 2332, 770, 1477}, {"key7", 2443, 852, 1209},
    {"key8", 2405, 852, 1336},    {"key9", 2406, 852, 1477}, {"keystar", 2369, 941, 1209},
    {"keyhash", 2295, 941, 1477},
};

void PrintTo(const Sound& s, std::ostream* os) {
    *os << s.file;
}

const double kDtmf[] = {697, 770, 852, 941, 1209, 1336, 1477, 1633};

// Energy of one frequency in the signal (Goertzel's recurrence).
double Power(const std::vector<double>& x, double hz) {
    const double w = 2 * M_PI * hz / 22050, coefficient = 2 * std::cos(w);
    double s1 = 0, s2 = 0;
    for (double v : x) {
        const double s0 = v + coefficient * s1 - s2;
        s2 = s1;
        s1 = s0;
    }
    return s1 * s1 + s2 * s2 - coefficient * s1 * s2;
}

class Sounds : public ::testing::TestWithParam<Sound> {
protected:
    void SetUp() override { bytes_ = ReadRes(std::string("sounds/") + GetParam().file + ".wav"); }

    std::vector<double> Centred() const {
        std::vector<double> x;
        const std::size_t n = U32At(bytes_, 40);
        for (std::size_t i = 0; i < n && 44 + i < bytes_.size(); ++i) {
            x.push_back(static_cast<std::uint8_t>(bytes_[44 + i]) - 128.0);
        }
        return x;
    }

    std::string bytes_;
};

TEST_P(Sounds, IsAPcmMono8BitWaveAt22050Hz) {
    const std::string& b = bytes_;
    ASSERT_GE(b.size(), 44u);
    EXPECT_EQ(b.substr(0, 4), "RIFF");
    EXPECT_EQ(U32At(b, 4), b.size() - 8);
    EXPECT_EQ(b.substr(8, 4), "WAVE");
    EXPECT_EQ(b.substr(12, 4), "fmt ");
    EXPECT_EQ(U32At(b, 16), 16u);
    EXPECT_EQ(U16At(b, 20), 1u);  // PCM
    EXPECT_EQ(U16At(b, 22), 1u);  // mono
    EXPECT_EQ(U32At(b, 24), 22050u);
    EXPECT_EQ(U32At(b, 28), 22050u);
    EXPECT_EQ(U16At(b, 32), 1u);
    EXPECT_EQ(U16At(b, 34), 8u);
    EXPECT_EQ(b.substr(36, 4), "data");
    EXPECT_EQ(U32At(b, 40), GetParam().samples);
    // Only the pad byte that keeps RIFF chunks even may follow the samples.
    EXPECT_EQ(b.size(), 44 + GetParam().samples + GetParam().samples % 2);
}

TEST_P(Sounds, StaysWithin64To192AndFadesInAndOut) {
    const std::vector<double> x = Centred();
    ASSERT_EQ(x.size(), GetParam().samples);
    double peak = 0;
    for (double v : x) {
        EXPECT_GE(v, -64);
        EXPECT_LE(v, 64);
        peak = std::max(peak, std::abs(v));
    }
    EXPECT_GE(peak, 30) << "too quiet to hear";
    // A jump at either end is heard as a click; the tones also rise and
    // fall gently, while the click is meant to start sharply.
    EXPECT_LE(std::abs(x.front()), 2);
    EXPECT_LE(std::abs(x.back()), 2);
    for (std::size_t i = 1; i < 5 && GetParam().low != 0; ++i) {
        EXPECT_LE(std::abs(x[i]), 8) << "start " << i;
        EXPECT_LE(std::abs(x[x.size() - 1 - i]), 8) << "end " << i;
    }
}

TEST_P(Sounds, KeyTonesAreTheirDtmfPairAndTheClickIsShort) {
    const Sound& s = GetParam();
    const std::vector<double> x = Centred();
    ASSERT_FALSE(x.empty());
    if (s.low == 0) {
        // A tick, not a beep: nearly all of its energy in the first half.
        double first = 0, all = 0;
        for (std::size_t i = 0; i < x.size(); ++i) {
            all += x[i] * x[i];
            if (i < x.size() / 2) first += x[i] * x[i];
        }
        EXPECT_GT(first, 0.9 * all);
        return;
    }
    const double low = Power(x, s.low), high = Power(x, s.high);
    for (double f : kDtmf) {
        if (f == s.low || f == s.high) continue;
        EXPECT_GT(low, 20 * Power(x, f)) << f << " Hz against " << s.low;
        EXPECT_GT(high, 20 * Power(x, f)) << f << " Hz against " << s.high;
    }
}

INSTANTIATE_TEST_SUITE_P(All, Sounds, ::testing::ValuesIn(kSounds),
                         [](const ::testing::TestParamInfo<Sound>& info) {
                             return std::string(info.param.file);
                         });

}  // namespace
