#include <gtest/gtest.h>

#include <utility>

#include "framework/FieldText.h"

namespace {

// Digits with blanks around them, up to 32 bits; anything else is refused and
// leaves the value alone.
TEST(ParseUnsignedField, AcceptsDigitsWithSurroundingBlanksUpTo32Bits) {
    const std::pair<const char*, unsigned> accepted[] = {
        {"0", 0}, {"  42 ", 42}, {"\t12\t", 12}, {"000000000123", 123}, {"4294967295", 4294967295u}};
    for (const auto& a : accepted) {
        unsigned value = 1;
        EXPECT_TRUE(ParseUnsignedField(a.first, &value)) << a.first;
        EXPECT_EQ(value, a.second) << a.first;
    }
    for (const char* text :
         {"", "   ", "-1", "+1", "1 2", "12abc", "1.5", "0x10", "4294967296", "99999999999999999999"}) {
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
    EXPECT_STREQ(text, "4294967295");
}

}  // namespace
