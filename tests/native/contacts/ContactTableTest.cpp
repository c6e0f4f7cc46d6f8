#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "TestHost.h"
#include "contacts/ContactTable.h"

namespace {

struct Entry {
    const char* name;
    const char* number;
    int calls;
};
using Entries = std::vector<Entry>;

// A heap table (it is 150 KB) holding the entries in slots 0 onward.
std::unique_ptr<ContactTable> MakeTable(const Entries& entries) {
    auto table = std::make_unique<ContactTable>();
    for (const Entry& e : entries) {
        Contact& c = table->slots[table->count++];
        CopyField(c.name, e.name);
        CopyField(c.number, e.number);
        c.calls = e.calls;
    }
    return table;
}

TEST(CompareNoCase, FoldsOnlyAsciiLettersThenComparesUnsignedBytes) {
    const struct {
        const char *a, *b;
        int sign;
    } cases[] = {{"Bob", "bOB", 0}, {"", "", 0},         {"ab", "abc", -1}, {"abc", "ab", 1},
                 {"9", "[", -1},    {"_x", "a", -1},     {"Z", "_", 1},     {"\xC4", "z", 1},
                 {"10", "9", -1},   {"\xC4", "\xE4", -1}};  // code 128 up is not folded
    for (const auto& c : cases) {
        const int result = CompareNoCase(c.a, c.b);
        EXPECT_EQ((result > 0) - (result < 0), c.sign) << c.a << " vs " << c.b;
    }
}

// Reorder starts from a scrambled order: every position past count must come
// back to itself, and equal keys land where the exchanges leave them.
TEST(Reorder, ExchangeOrderingOfEveryMode) {
    const Entries calls = {{"Ann", "1", 2}, {"Bob", "2", 1}, {"Cid", "3", 2}, {"Dan", "4", 3}};
    const Entries names = {{"b", "1", 0}, {"_x", "2", 0}, {"B", "3", 0}, {"a", "4", 0}};
    const Entries numbers = {{"Nine", "9", 0}, {"Ten", "10", 0}, {"Hundred", "100", 0}};
    const Entries extremes = {
        {"a", "1", -5}, {"b", "2", 2147483647}, {"c", "3", 0}, {"d", "4", -2147483647 - 1}};
    // Long names sharing their first sixteen characters.
    const Entries longNames = {{"abcdefghijklmnopZ", "1", 0},
                               {"ABCDEFGHIJKLMNOPa", "2", 0},
                               {"abcdefghijklmnop", "3", 0},
                               {"abcdefghijklmno", "4", 0}};
    const struct {
        const Entries& entries;
        int mode;
        std::vector<int> order;
    } cases[] = {
        {calls, kSortCallsDescending, {3, 2, 0, 1}},    {calls, kSortCallsAscending, {1, 0, 2, 3}},
        {names, kSortNameAscending, {1, 3, 2, 0}},      {names, kSortNameDescending, {0, 2, 3, 1}},
        {numbers, kSortNumberAscending, {1, 2, 0}},     {numbers, kSortNumberDescending, {0, 2, 1}},
        {extremes, kSortCallsDescending, {1, 2, 0, 3}}, {longNames, kSortNameAscending, {3, 2, 1, 0}},
        {longNames, kSortNameDescending, {0, 1, 2, 3}},
    };
    for (const auto& c : cases) {
        auto table = MakeTable(c.entries);
        table->sortMode = c.mode;
        for (int p = 0; p < kMaxContacts; ++p) table->order[p] = kMaxContacts - 1 - p;
        table->Reorder();
        EXPECT_EQ(std::vector<int>(table->order, table->order + table->count), c.order) << "mode " << c.mode;
        int misplaced = 0;
        for (int p = table->count; p < kMaxContacts; ++p) misplaced += table->order[p] != p;
        EXPECT_EQ(misplaced, 0) << "mode " << c.mode;
    }
}

TEST(ToggleSortMode, FirstClickAscendingSecondDescendingThirdAscending) {
    ContactTable table;
    EXPECT_EQ(table.sortMode, kSortCallsDescending);
    const int clicks[][2] = {{kHeadingCalls, 3},  {kHeadingCalls, 6},  {kHeadingName, 1},
                             {kHeadingName, 4},   {kHeadingName, 1},   {kHeadingCalls, 3},
                             {kHeadingNumber, 2}, {kHeadingNumber, 5}, {kHeadingNumber, 2}};
    for (const auto& click : clicks) {
        table.ToggleSortMode(click[0]);
        EXPECT_EQ(table.sortMode, click[1]) << "heading " << click[0];
    }
}

TEST(Compact, KeepsStorageOrderDropsSlotsWithoutNumberAndTakesInTheSpareSlot) {
    auto table = MakeTable({{"A", "1", 1}, {"gap", "9", 0}, {"Named", "", 7}, {"", "123", 0}, {"D", "4", 4}});
    table->ClearSlot(1);
    Contact& spare = table->NewSlot();
    CopyField(spare.name, "New");
    CopyField(spare.number, "555");
    table->Compact();
    ASSERT_EQ(table->count, 4);
    const char* names[] = {"A", "", "D", "New"};
    for (int s = 0; s < 4; ++s) EXPECT_STREQ(table->slots[s].name, names[s]) << s;
    EXPECT_EQ(table->slots[2].calls, 4);
    EXPECT_EQ(table->slots[4].name[0], '\0');  // moved slots are cleared
    EXPECT_FALSE(ContactTable::InUse(table->slots[5]));
}

TEST(DigitKey, KeepsTheDigitsOfTheFirst48Characters) {
    EXPECT_STREQ(DigitKey("(555) 123-4567").Digits(), "5551234567");
    EXPECT_EQ(DigitKey(std::string(50, '7').c_str()).Length(), 48);
    EXPECT_STREQ(DigitKey((std::string(47, '-') + "12").c_str()).Digits(), "1");
}

}  // namespace
