#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
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

// A heap table (it is 150 KB) holding the entries in slots 0 onward.
std::unique_ptr<ContactTable> MakeTable(const std::vector<Entry>& entries) {
    auto table = std::make_unique<ContactTable>();
    for (const Entry& e : entries) {
        Contact& c = table->slots[table->count++];
        CopyField(c.name, e.name);
        CopyField(c.number, e.number);
        c.calls = e.calls;
    }
    return table;
}

std::vector<int> Order(ContactTable& table, int sortMode) {
    table.sortMode = sortMode;
    table.Reorder();
    return std::vector<int>(table.order, table.order + table.count);
}

std::vector<std::string> Names(const ContactTable& table) {
    std::vector<std::string> names;
    for (int s = 0; s < table.count; ++s) names.emplace_back(table.slots[s].name);
    return names;
}

TEST(CompareNoCase, FoldsOnlyAsciiLettersThenComparesUnsignedBytes) {
    EXPECT_EQ(CompareNoCase("Bob", "bOB"), 0);
    EXPECT_EQ(CompareNoCase("", ""), 0);
    EXPECT_LT(CompareNoCase("ab", "abc"), 0);  // a prefix is smaller
    EXPECT_GT(CompareNoCase("abc", "ab"), 0);
    EXPECT_LT(CompareNoCase("9", "["), 0);   // digits before [ ^ _
    EXPECT_LT(CompareNoCase("_x", "a"), 0);  // _ before the letters, folded
    EXPECT_GT(CompareNoCase("Z", "_"), 0);
    EXPECT_GT(CompareNoCase("\xC4", "z"), 0);     // code 128 up sorts after letters
    EXPECT_NE(CompareNoCase("\xC4", "\xE4"), 0);  // and is not folded
    EXPECT_LT(CompareNoCase("10", "9"), 0);       // numbers compare as text
}

TEST(Reorder, ExchangeOrderingIsUnstableExactlyAsSpecified) {
    auto table = MakeTable({{"Ann", "1", 2}, {"Bob", "2", 1}, {"Cid", "3", 2}, {"Dan", "4", 3}});
    EXPECT_EQ(Order(*table, kSortCallsDescending), (std::vector<int>{3, 2, 0, 1}));
    EXPECT_EQ(Order(*table, kSortCallsAscending), (std::vector<int>{1, 0, 2, 3}));
}

TEST(Reorder, NamesCompareCaseFoldedWithTiesLeftWhereTheExchangesPutThem) {
    auto table = MakeTable({{"b", "1", 0}, {"_x", "2", 0}, {"B", "3", 0}, {"a", "4", 0}});
    EXPECT_EQ(Order(*table, kSortNameAscending), (std::vector<int>{1, 3, 2, 0}));
    EXPECT_EQ(Order(*table, kSortNameDescending), (std::vector<int>{0, 2, 3, 1}));
}

TEST(Reorder, NumbersCompareAsText) {
    auto table = MakeTable({{"Nine", "9", 0}, {"Ten", "10", 0}, {"Hundred", "100", 0}});
    EXPECT_EQ(Order(*table, kSortNumberAscending), (std::vector<int>{1, 2, 0}));
    EXPECT_EQ(Order(*table, kSortNumberDescending), (std::vector<int>{0, 2, 1}));
}

TEST(Reorder, CallsCompareAsSignedIntegers) {
    auto table =
        MakeTable({{"a", "1", -5}, {"b", "2", 2147483647}, {"c", "3", 0}, {"d", "4", -2147483647 - 1}});
    EXPECT_EQ(Order(*table, kSortCallsDescending), (std::vector<int>{1, 2, 0, 3}));
}

TEST(Reorder, ResetsEveryPositionPastCountToTheIdentity) {
    auto table = MakeTable({{"a", "1", 1}, {"b", "2", 2}});
    for (int p = 0; p < kMaxContacts; ++p) table->order[p] = kMaxContacts - 1 - p;
    table->Reorder();
    EXPECT_EQ(table->order[0], 1);
    EXPECT_EQ(table->order[1], 0);
    for (int p = 2; p < kMaxContacts; ++p) ASSERT_EQ(table->order[p], p) << p;

    auto empty = MakeTable({});
    empty->order[7] = 3;
    empty->Reorder();
    for (int p = 0; p < kMaxContacts; ++p) ASSERT_EQ(empty->order[p], p) << p;
}

TEST(Reorder, GivesAPermutationWhoseKeysAreInOrderForEveryMode) {
    std::vector<Entry> entries;
    std::vector<std::string> texts;
    texts.reserve(2 * kMaxContacts);
    unsigned seed = 12345;
    auto next = [&seed] { return seed = seed * 1103515245u + 12345u, (seed >> 16) & 0x7fff; };
    for (int i = 0; i < kMaxContacts; ++i) {
        // Short texts, and long ones that share their first eight characters.
        static const char* const kStarts[] = {"a", "A",         "b",         "_",       "9",
                                              "[", "Hamilton-", "HAMILTON-", "hamilton"};
        texts.push_back(kStarts[next() % 9] + std::to_string(next() % 50));
        texts.push_back(std::to_string(next() % 1000));
    }
    for (int i = 0; i < kMaxContacts; ++i)
        entries.push_back(
            {texts[2 * i].c_str(), texts[2 * i + 1].c_str(), static_cast<int>(next() % 20) - 5});
    auto table = MakeTable(entries);
    for (int mode = kSortNameAscending; mode <= kSortCallsDescending; ++mode) {
        std::vector<int> order = Order(*table, mode);
        std::vector<bool> seen(kMaxContacts);
        for (int s : order) seen.at(s) = true;
        EXPECT_EQ(std::count(seen.begin(), seen.end(), true), kMaxContacts) << "mode " << mode;
        for (int p = 0; p + 1 < kMaxContacts; ++p) {
            const Contact& a = table->slots[order[p]];
            const Contact& b = table->slots[order[p + 1]];
            int key = mode % 3 == 1   ? CompareNoCase(a.name, b.name)
                      : mode % 3 == 2 ? CompareNoCase(a.number, b.number)
                                      : (a.calls > b.calls) - (a.calls < b.calls);
            if (mode > 3) key = -key;
            ASSERT_LE(key, 0) << "mode " << mode << " position " << p;
        }
    }
}

TEST(ToggleSortMode, FirstClickAscendingSecondDescendingThirdAscending) {
    ContactTable table;
    EXPECT_EQ(table.sortMode, kSortCallsDescending);
    const struct {
        int heading;
        int expected;
    } clicks[] = {{kHeadingCalls, 3},  {kHeadingCalls, 6}, {kHeadingName, 1},   {kHeadingName, 4},
                  {kHeadingName, 1},   {kHeadingCalls, 3}, {kHeadingNumber, 2}, {kHeadingNumber, 5},
                  {kHeadingNumber, 2}, {kHeadingCalls, 3}};
    for (const auto& click : clicks) {
        table.ToggleSortMode(click.heading);
        EXPECT_EQ(table.sortMode, click.expected) << "heading " << click.heading;
    }
    table.sortMode = kSortNameDescending;
    table.ToggleSortMode(kHeadingNumber);
    EXPECT_EQ(table.sortMode, kSortNumberAscending);
}

TEST(Compact, ClosesGapsKeepingStorageOrder) {
    auto table = MakeTable({{"A", "1", 1}, {"gap", "", 0}, {"C", "3", 3}, {"D", "4", 4}});
    table->ClearSlot(1);
    table->Compact();
    EXPECT_EQ(table->count, 3);
    EXPECT_EQ(Names(*table), (std::vector<std::string>{"A", "C", "D"}));
    EXPECT_EQ(table->slots[2].calls, 4);
    EXPECT_FALSE(ContactTable::InUse(table->slots[3]));
    EXPECT_EQ(table->slots[3].name[0], '\0');  // the moved slot was cleared
}

TEST(Compact, DropsNamedSlotsWithoutNumberAndTakesInTheSpareSlot) {
    auto table = MakeTable({{"Named", "", 7}, {"B", "2", 2}});
    Contact& spare = table->NewSlot();
    CopyField(spare.name, "New");
    CopyField(spare.number, "555");
    table->Compact();
    EXPECT_EQ(Names(*table), (std::vector<std::string>{"B", "New"}));
    EXPECT_EQ(table->count, 2);

    auto none = MakeTable({{"x", "", 0}, {"y", "", 0}});
    none->Compact();
    EXPECT_EQ(none->count, 0);
}

TEST(Compact, SlotWithEmptyNameButNumberIsKept) {
    auto table = MakeTable({{"", "123", 0}});
    table->Compact();
    EXPECT_EQ(table->count, 1);
}

TEST(NewSlot, HandsOutTheClearedSlotAtCount) {
    auto table = MakeTable({{"A", "1", 1}});
    std::memset(&table->slots[1], 'x', sizeof(Contact));
    Contact& spare = table->NewSlot();
    EXPECT_EQ(&spare, &table->slots[1]);
    const char* bytes = reinterpret_cast<const char*>(&spare);
    EXPECT_EQ(std::count(bytes, bytes + sizeof(Contact), '\0'), static_cast<long>(sizeof(Contact)));
    EXPECT_EQ(table->count, 1);  // not stored until Compact
}

TEST(DigitKey, KeepsDigitsOfTheFirst48Characters) {
    EXPECT_STREQ(DigitKey("(555) 123-4567").Digits(), "5551234567");
    EXPECT_STREQ(DigitKey("*#").Digits(), "");
    EXPECT_STREQ(DigitKey("").Digits(), "");
    const std::string fifty(50, '7');
    EXPECT_EQ(DigitKey(fifty.c_str()).Length(), 48);
    // Only the first 48 characters are examined, digits or not.
    const std::string padded = std::string(47, '-') + "12";
    EXPECT_STREQ(DigitKey(padded.c_str()).Digits(), "1");
    EXPECT_TRUE(DigitKey("555-1234") == DigitKey("555 1234"));
    EXPECT_FALSE(DigitKey("5551234") == DigitKey("55512340"));
    EXPECT_TRUE(DigitKey("") == DigitKey("***"));
}

TEST(FindByDigitKey, FirstSlotInStorageOrderWins) {
    auto table = MakeTable({{"Other", "999", 0}, {"First", "555 1234", 0}, {"Second", "5551234", 9}});
    table->Reorder();  // Second is shown first, but storage order decides
    EXPECT_EQ(table->FindByDigitKey(DigitKey("555-1234")), 1);
    EXPECT_EQ(table->FindByDigitKey(DigitKey("1234")), kNoSlot);
}

TEST(FindByDigitKey, EmptyKeyFindsFirstStoredNumberWithoutDigits) {
    auto table = MakeTable({{"A", "1", 0}, {"Stars", "***", 0}, {"Blank", "", 0}});
    EXPECT_EQ(table->FindByDigitKey(DigitKey("")), 1);
    auto blank = MakeTable({{"A", "1", 0}, {"Blank", "", 0}});
    EXPECT_EQ(blank->FindByDigitKey(DigitKey("-")), 1);
    auto none = MakeTable({{"A", "1", 0}});
    EXPECT_EQ(none->FindByDigitKey(DigitKey("")), kNoSlot);
    // Slots at or above count are never looked at.
    CopyField(none->slots[1].number, "***");
    EXPECT_EQ(none->FindByDigitKey(DigitKey("")), kNoSlot);
}

TEST(SpeedDialSlot, PositionHasAContactOnlyBelowCount) {
    auto table = MakeTable({{"A", "1", 1}, {"B", "2", 5}});
    table->Reorder();
    EXPECT_EQ(table->SpeedDialSlot(0), 1);
    EXPECT_EQ(table->SpeedDialSlot(1), 0);
    EXPECT_EQ(table->SpeedDialSlot(2), kNoSlot);
    EXPECT_EQ(table->SpeedDialSlot(19), kNoSlot);
    auto one = MakeTable({{"Only", "1", 0}});
    EXPECT_EQ(one->SpeedDialSlot(0), 0);
}

}  // namespace
