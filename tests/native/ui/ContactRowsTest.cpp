#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "ui/ContactRows.h"

namespace {

// A heap table (it is 150 KB) of `count` contacts named N0, N1... numbered 1.
std::unique_ptr<ContactTable> MakeTable(int count) {
    auto table = std::make_unique<ContactTable>();
    for (int s = 0; s < count; ++s) {
        std::snprintf(table->slots[s].name, kNameSize, "N%d", s);
        std::strcpy(table->slots[s].number, "1");
        table->slots[s].calls = s;
    }
    table->count = count;
    return table;
}

TEST(ContactRows, TextsCarryTheLettersAThroughTThenTheBareName) {
    auto table = MakeTable(25);
    table->slots[3] = Contact{"", "1", -1};
    table->slots[19].calls = INT_MIN;
    std::memset(table->slots[19].name, 'x', kNameSize - 1);  // the longest name a slot holds
    table->slots[22] = Contact{"", "1", INT_MAX};
    const struct {
        int position;
        std::string text;
        const char* calls;
    } expected[] = {
        {0, "A - N0", "0"}, {3, "D - ", "-1"},      {19, "T - " + std::string(255, 'x'), "-2147483648"},
        {20, "N20", "20"},  {22, "", "2147483647"}, {24, "N24", "24"}};
    for (const auto& e : expected) {
        ListRow row;
        ASSERT_TRUE(MakeRow(*table, e.position, &row)) << e.position;
        EXPECT_EQ(row.text, e.text) << e.position;
        EXPECT_STREQ(row.calls, e.calls) << e.position;
    }
}

// Bob has no number: his position gets no row, the rows after it sit one
// item above their positions and keep their positions' letters.
TEST(ContactRows, RowsReachTheirOwnContactsWhenAPositionHasNoRow) {
    auto table = MakeTable(4);
    table->slots[1].number[0] = '\0';
    table->slots[1].calls = 9;
    table->Reorder();  // most-called first: N1 (Bob), N3, N2, N0
    ListRow row;
    EXPECT_FALSE(MakeRow(*table, 0, &row));
    ASSERT_TRUE(MakeRow(*table, 1, &row));
    EXPECT_STREQ(row.text, "B - N3");

    ListRows rows;
    rows.count = -7;  // what an earlier refill left
    MapRows(*table, &rows);
    ASSERT_EQ(rows.count, 3);
    const struct { int item, slot; } cases[] = {{0, 3}, {1, 2}, {2, 0}, {3, kNoSlot}, {-1, kNoSlot}};
    for (const auto& c : cases) EXPECT_EQ(RowSlot(*table, rows, c.item), c.slot) << c.item;
}

TEST(ContactRows, NewFillsInTheDialNumberOnlyWhenNoStoredContactHasItsDigits) {
    const struct {
        const char* dialNumber;
        const char* number;
    } cases[] = {{"", ""}, {"555-1234", ""}, {"5551235", "5551235"}, {"(555) 12345", "(555) 12345"}};
    for (const auto& c : cases) {
        auto table = MakeTable(2);
        std::strcpy(table->slots[0].number, "(555) 1234");
        table->slots[2] = Contact{"left over", "9", 8};
        Contact* spare = PrepareNewContact(*table, c.dialNumber);
        ASSERT_EQ(spare, &table->slots[2]) << c.dialNumber;
        EXPECT_STREQ(spare->number, c.number) << c.dialNumber;
        EXPECT_STREQ(spare->name, "");
        EXPECT_EQ(spare->calls, 0);
        EXPECT_EQ(table->count, 2);
    }
    auto full = MakeTable(kMaxContacts);
    EXPECT_EQ(PrepareNewContact(*full, "2"), nullptr);
    EXPECT_STREQ(full->slots[kMaxContacts - 1].number, "1");
}

}  // namespace
