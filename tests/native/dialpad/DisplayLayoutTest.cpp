// The display's geometry: which glyph lands in which screen cell, and whose
// name is shown.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "dialpad/DisplayLayout.h"
#include "tests/common/ContactsText.h"

namespace {

// The glyph source x of every drawn cell, keyed by its screen position, as
// "x,y:source" for the non-blank cells.
std::string DrawnCells(const char* number) {
    const DisplayLine line = BuildDisplayLine(number);
    EXPECT_EQ(line.text[kDisplayPositions], '\0');
    std::string cells;
    for (int position = kFirstDrawnPosition; position < kDisplayPositions; ++position) {
        const int source = GlyphSourceX(line.text[position]);
        if (source == kBlankGlyphX) continue;
        const Point cell = CellOrigin(position);
        cells += std::to_string(cell.x) + "," + std::to_string(cell.y) + ":" + std::to_string(source) + " ";
    }
    return cells;
}

TEST(DisplayLayout, PlacesTheNumberRightAlignedOverBothRows) {
    const struct {
        const char* number;
        const char* cells;
    } cases[] = {
        {"", ""},
        {"0123456789",
         "58,101:1 66,101:9 74,101:17 82,101:25 90,101:33 98,101:41 106,101:49 114,101:57 122,101:65 "
         "130,101:73 "},
        // 15 characters: the first alone at the end of the upper row.
        {"#00000000000000",
         "130,76:81 26,101:1 34,101:1 42,101:1 50,101:1 58,101:1 66,101:1 74,101:1 "
         "82,101:1 90,101:1 98,101:1 106,101:1 114,101:1 122,101:1 130,101:1 "},
        // 28: characters 1-14 above, 15-28 below.
        {"*-()0000000000)(-*000000000#",
         "26,76:89 34,76:97 42,76:105 50,76:113 58,76:1 66,76:1 74,76:1 82,76:1 "
         "90,76:1 98,76:1 106,76:1 114,76:1 122,76:1 130,76:1 26,101:113 "
         "34,101:105 42,101:97 50,101:89 58,101:1 66,101:1 74,101:1 82,101:1 "
         "90,101:1 98,101:1 106,101:1 114,101:1 122,101:1 130,101:81 "},
        // A sign without a glyph shows the blank cell.
        {"+1 (5", "106,101:9 122,101:105 130,101:41 "},
    };
    for (const auto& c : cases) EXPECT_EQ(DrawnCells(c.number), c.cells) << c.number;
    // Past 28 characters the last 28 show.
    EXPECT_EQ(DrawnCells("99*-()0000000000)(-*000000000#"), DrawnCells("*-()0000000000)(-*000000000#"));
}

TEST(DisplayLayout, ShowsTheFirstStoredNameWithTheSameDigits) {
    auto table = Parsed(
        "[PhoneNumbers]\n"
        "Later, (555) 1234, 9\n"
        "Stars, ***, 0\n"
        "Earlier, 555-1234, 1\n");
    table->Reorder();  // most-called first: the list order differs from storage order
    EXPECT_EQ(DisplayedNameSlot(*table, "5551234"), 0);
    EXPECT_EQ(DisplayedNameSlot(*table, ""), 1);
    EXPECT_EQ(DisplayedNameSlot(*table, "#"), 1);
    EXPECT_EQ(DisplayedNameSlot(*table, "555123"), kNoSlot);
    table->count = 0;
    EXPECT_EQ(DisplayedNameSlot(*table, ""), kNoSlot);
}

TEST(DisplayLayout, CentresTheIconOfAMinimisedWindow) {
    EXPECT_EQ(IconOrigin(160, 0, 32, 32).x, 64);
    EXPECT_EQ(IconOrigin(160, 0, 32, 32).y, -15);  // truncates toward zero
    EXPECT_EQ(IconOrigin(33, 34, 32, 32).x, 1);
    EXPECT_EQ(IconOrigin(33, 34, 32, 32).y, 1);
}

}  // namespace
