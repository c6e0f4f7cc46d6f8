// The display's geometry: the screen cell of each position, the strip cell of
// each glyph, and whose name is shown.
#include <gtest/gtest.h>

#include <string>

#include "dialpad/DisplayLayout.h"
#include "tests/common/ContactsText.h"

namespace {

TEST(DisplayLayout, PositionsFillTwoRowsOfCellsFromTheNumbersStrip) {
    const int cells[][3] = {{1, 26, 76},   {2, 34, 76},   {14, 130, 76},
                            {15, 26, 101}, {16, 34, 101}, {28, 130, 101}};
    for (const auto& c : cells) {
        EXPECT_EQ(CellOrigin(c[0]).x, c[1]) << c[0];
        EXPECT_EQ(CellOrigin(c[0]).y, c[2]) << c[0];
    }
    // A sign without a glyph shows the blank cell.
    const std::string glyphs = "0123456789#*-()+ .";
    const int sources[] = {1, 9, 17, 25, 33, 41, 49, 57, 65, 73, 81, 89, 97, 105, 113, 121, 121, 121};
    for (std::size_t i = 0; i < glyphs.size(); ++i)
        EXPECT_EQ(GlyphSourceX(glyphs[i]), sources[i]) << glyphs[i];
    // A minimised window centres its icon, halves truncated toward zero.
    EXPECT_EQ(IconOrigin(160, 0, 32, 32).x, 64);
    EXPECT_EQ(IconOrigin(160, 0, 32, 32).y, -15);
    EXPECT_EQ(IconOrigin(33, 34, 32, 32).y, 1);
}

TEST(DisplayLayout, ShowsTheFirstStoredNameWithTheSameDigits) {
    auto table = Parsed(
        "[PhoneNumbers]\n"
        "First, (555) 1234, 1\n"
        "Stars, ***, 0\n"
        "Second, 555-1234, 9\n");
    table->Reorder();  // most-called first: Second is listed before First
    EXPECT_EQ(DisplayedNameSlot(*table, "5551234"), 0);
    EXPECT_EQ(DisplayedNameSlot(*table, ""), 1);
    EXPECT_EQ(DisplayedNameSlot(*table, "#"), 1);
    EXPECT_EQ(DisplayedNameSlot(*table, "555123"), kNoSlot);
    table->count = 0;
    EXPECT_EQ(DisplayedNameSlot(*table, ""), kNoSlot);
}

}  // namespace
