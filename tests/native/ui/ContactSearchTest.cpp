#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "ui/ContactSearch.h"

namespace {

Contact Named(const char* name, const char* number) {
    Contact contact{};
    std::strcpy(contact.name, name);
    std::strcpy(contact.number, number);
    return contact;
}

TEST(ContactMatches, ByDigitsOfTheNumberOrByNameSpelledOnTheKeypad) {
    const struct {
        const char* name;
        const char* number;
        const char* typed;
        bool found;
    } cases[] = {
        {"John Smith", "555 1234", "5646", true},         // JOHN
        {"John Smith", "555 1234", "56467", true},        // JOHN S: on into the next word
        {"John Smith", "555 1234", "76484", true},        // SMITH
        {"John Smith", "555 1234", "57", true},           // the initials J S
        {"John Smith", "555 1234", "75", false},          // initials in the wrong order
        {"John Smith", "555 1234", "646", false},         // OHN: not the start of a word
        {"John Smith", "555 1234", "5646476485", false},  // past the end of the name
        {"John Smith", "(555) 12-34", "5512", true},      // anywhere in the number's digits
        {"John Smith", "555 1234", "4321", false},
        {"John Smith", "555 1234", "", true},  // only "-" or "(" typed so far
        {"Sam Taylor", "1", "78", true},       // initials of consecutive words
        {"\xC9mile \xC7"
         "elik",
         "1", "3645", true},  // accented letters as their base letter
        {"\xC9mile \xC7"
         "elik",
         "1", "32", true},
        {"\x8Aimon", "1", "7466", true},   // S with caron
        {"O'Brien", "1", "27436", true},   // the apostrophe separates words
        {"Pizza 4 You", "1", "49", true},  // a digit in a name spells itself
        {"A\xD7"
         "B",
         "1", "22", true},  // the multiplication sign separates
        {"", "5550123", "0123", true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ContactMatches(Named(c.name, c.number), DigitKey(c.typed)), c.found)
            << c.name << " / " << c.number << " / " << c.typed;
    }
}

// The rows follow the number being composed; the letters follow the rows.
TEST(ContactSearch, ShowsTheMatchesWhileANumberIsComposedWithTheOptionOn) {
    auto table = std::make_unique<ContactTable>();
    const char* names[] = {"Ann Lee", "Bob Cole", "Anna Bell", "Joan Ng"};
    for (int s = 0; s < 4; ++s) table->slots[s] = Named(names[s], s == 3 ? "266 000" : "999");
    table->count = 4;
    ListRows rows;
    ContactSearch search;
    auto shown = [&] {
        search.MapRows(*table, &rows);
        std::string text;
        for (int r = 0; r < rows.count; ++r) text += table->slots[table->order[rows.positions[r]]].name[0];
        return text + (rows.filtered ? "*" : "");
    };
    EXPECT_FALSE(search.Follow("266", true));  // off: nothing changes
    EXPECT_EQ(shown(), "ABAJ");
    search.SetEnabled(true);
    EXPECT_TRUE(search.Follow("266", true));  // ANN, ANNA, and Joan's number
    EXPECT_EQ(shown(), "AAJ*");
    EXPECT_EQ(rows.letterSlots[1], 2);  // B is Anna, the second row shown
    EXPECT_EQ(rows.letterSlots[3], kNoSlot);
    EXPECT_FALSE(search.Follow("2-66", true));  // the same digits
    EXPECT_TRUE(search.Follow("2662", true));
    EXPECT_EQ(shown(), "A*");
    EXPECT_TRUE(search.Follow("26629", true));
    EXPECT_EQ(shown(), "*");                     // nothing matches: an empty list
    EXPECT_TRUE(search.Follow("26629", false));  // loaded, not typed: everyone
    EXPECT_EQ(shown(), "ABAJ");
    EXPECT_TRUE(search.Follow("(", true));  // no digit yet: everyone, lettered as shown
    EXPECT_EQ(shown(), "ABAJ*");
    search.SetEnabled(false);
    EXPECT_TRUE(search.Follow("(", true));
    EXPECT_EQ(shown(), "ABAJ");
}

}  // namespace
