#include <gtest/gtest.h>

#include "framework/FieldText.h"

namespace {

TEST(ParseUnsignedField, AcceptsDigitsWithSurroundingBlanksUpTo32Bits) {
    const struct {
        const char* text;
        unsigned value;
    } accepted[] = {{"0", 0},
                    {"7", 7},
                    {"  42 ", 42},
                    {"\t12\t", 12},
                    {"000123", 123},
                    {"999999999", 999999999},
                    {"4294967295", 4294967295u},
                    {"00000000000000000004294967295", 4294967295u}};
    for (const auto& a : accepted) {
        unsigned value = 1;
        EXPECT_TRUE(ParseUnsignedField(a.text, &value)) << a.text;
        EXPECT_EQ(value, a.value) << a.text;
    }
}

TEST(ParseUnsignedField, RefusesAnythingElseAndLeavesTheValueAlone) {
    for (const char* text : {"", "   ", "-1", "+1", "1 2", "12abc", "abc", "1.5", "0x10", "4294967296",
                             "99999999999999999999"}) {
        unsigned value = 77;
        EXPECT_FALSE(ParseUnsignedField(text, &value)) << text;
        EXPECT_EQ(value, 77u) << text;
    }
}

TEST(FieldMessages, NameTheRangeAndRoundTripTheValue) {
    char text[96];
    FormatRangeMessage(0, 999999999, text, sizeof text);
    EXPECT_STREQ(text, "Please enter a number from 0 to 999999999.");
    FormatUnsignedField(4294967295u, text, sizeof text);
    unsigned value = 0;
    EXPECT_TRUE(ParseUnsignedField(text, &value));
    EXPECT_EQ(value, 4294967295u);
}

}  // namespace
