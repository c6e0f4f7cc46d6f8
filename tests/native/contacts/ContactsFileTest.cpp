#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "TestHost.h"
#include "contacts/ContactsFile.h"

namespace {

const std::string kBanner = std::string(73, '#') + "\r\n" +
                            "# TOLLWICK v1.0\r\n"
                            "# ~~~~~~~~~~~~~\r\n"
                            "# done by..\r\n"
                            "#\r\n"
                            "#   The Tollwick developers, for everyone who dials the same numbers.\r\n"
                            "#   One contact a line below the section header: name, number, calls.\r\n"
                            "#   Lines that begin with '#' are comments and are not kept.\r\n"
                            "#   Tollwick rewrites this file whenever it closes.\r\n"
                            "#   Edit it only while Tollwick is not running.\r\n"
                            "#\r\n"
                            "#\r\n" +
                            std::string(73, '#') + "\r\n" +
                            "\r\n"
                            "[PhoneNumbers]\r\n";

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    struct Source {
        const std::string* text;
        std::size_t at;
    } source{&text, 0};
    TextCursor cursor(
        [](void* s, char* buffer, std::size_t capacity) {
            auto* src = static_cast<Source*>(s);
            // Hand out small pieces so that lines straddle block refills.
            std::size_t n = std::min<std::size_t>({capacity, 7, src->text->size() - src->at});
            std::memcpy(buffer, src->text->data() + src->at, n);
            src->at += n;
            return n;
        },
        &source);
    char line[ContactsFile::kLineSize];
    while (ContactsFile::NextLine(cursor, line) != 0) lines.emplace_back(line);
    return lines;
}

using Strings = std::vector<std::string>;

TEST(NextLine, AnyRunOfCrAndLfSeparatesLines) {
    EXPECT_EQ(Lines("a\r\nb\r\n"), (Strings{"a", "b"}));
    EXPECT_EQ(Lines("a\nb\n\n\nc"), (Strings{"a", "b", "c"}));
    EXPECT_EQ(Lines("\r\r\na\rb\n\r"), (Strings{"a", "b"}));
    EXPECT_EQ(Lines(""), Strings{});
    EXPECT_EQ(Lines("\r\n\r\n"), Strings{});
    EXPECT_EQ(Lines(" \r\n\t"), (Strings{" ", "\t"}));
}

TEST(NextLine, ZeroByteEndsTheText) {
    EXPECT_EQ(Lines(std::string("a\r\nb\0c\r\nd", 9)), (Strings{"a", "b"}));
}

TEST(NextLine, OverlongLineKeeps499CharactersAndSkipsTheRest) {
    const std::string longLine = std::string(499, 'x') + std::string(300, 'y');
    const Strings lines = Lines(longLine + "\r\nnext");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], std::string(499, 'x'));
    EXPECT_EQ(lines[1], "next");
}

TEST(NextLine, LinesStraddlingRefillsComeOutWhole) {
    std::string text;
    for (int i = 0; i < 20000; ++i) text += "line" + std::to_string(i) + "\r\n";
    const Strings lines = Lines(text);
    ASSERT_EQ(lines.size(), 20000u);
    EXPECT_EQ(lines.back(), "line19999");
}

struct RecordCase {
    const char* line;
    const char* name;
    const char* number;
    int calls;
};

TEST(ParseRecord, FieldsSplitAtCommasWithSeparatorAndSpacesSkipped) {
    const RecordCase cases[] = {
        {"Ann, 555 1234, 2", "Ann", "555 1234", 2},
        {"Ann , 555 1234, 2", "Ann ", "555 1234", 2},       // space before a comma stays
        {"Ann,   555 1234  ,  7", "Ann", "555 1234  ", 7},  // leading spaces dropped
        {"  Ann", "  Ann", "", 0},                          // name only
        {"Bob, 123", "Bob", "123", 0},                      // no call count
        {"Bob, 123, 4, extra, more", "Bob", "123", 4},      // fourth field ignored
        {"Bob, 123, 12abc", "Bob", "123", 12},
        {"Bob, 123, -4", "Bob", "123", -4},
        {"Bob, 123, +9", "Bob", "123", 9},
        {"Bob, 123, abc", "Bob", "123", 0},
        {"Bob, 123,\t 5", "Bob", "123", 5},   // atoi skips the tab
        {"Bob,\t123, 5", "Bob", "\t123", 5},  // the reader does not
        {"Bob, 123, 2147483647", "Bob", "123", 2147483647},
        {"Bob, 123, -2147483648", "Bob", "123", -2147483647 - 1},
        {"Bob, 123, 99999999999999999999", "Bob", "123", 2147483647},  // held, not UB
        {"Bob, 123, -99999999999999999999", "Bob", "123", -2147483647 - 1},
        {",,", "", "", 0},
        {"Bob,", "Bob", "", 0},
        {"Bob, , 3", "Bob", "", 3},  // empty number kept
    };
    for (const RecordCase& c : cases) {
        auto table = Parsed(std::string("[PhoneNumbers]\r\n") + c.line + "\r\n");
        ASSERT_EQ(table->count, 1) << c.line;
        EXPECT_STREQ(table->slots[0].name, c.name) << c.line;
        EXPECT_STREQ(table->slots[0].number, c.number) << c.line;
        EXPECT_EQ(table->slots[0].calls, c.calls) << c.line;
    }
}

TEST(ParseRecord, OverlongFieldsKeepTheirStartAndTheFollowingFieldsStayInPlace) {
    const std::string name = std::string(50, 'N') + "tail of the name";
    const std::string number = std::string(28, '5') + "99999";
    auto table = Parsed("[PhoneNumbers]\r\n" + name + ", " + number + ", 3\r\n");
    ASSERT_EQ(table->count, 1);
    EXPECT_EQ(std::string(table->slots[0].name), std::string(50, 'N'));
    EXPECT_EQ(std::string(table->slots[0].number), std::string(28, '5'));
    EXPECT_EQ(table->slots[0].calls, 3);

    const std::string calls = "1" + std::string(40, '0');
    auto big = Parsed("[PhoneNumbers]\r\nA, 1, " + calls + "\r\n");
    EXPECT_EQ(big->slots[0].calls, 2147483647);
}

TEST(ParseSection, CommentsBlankLinesAndLineEndsChangeNothing) {
    auto crlf = Parsed("# c\r\n[PhoneNumbers]\r\nA, 1, 1\r\nB, 2, 2\r\n");
    auto lf = Parsed("other\n\n[PhoneNumbers]\n\nA, 1, 1\n# between\n\n\nB, 2, 2");
    for (auto* table : {crlf.get(), lf.get()}) {
        ASSERT_EQ(table->count, 2);
        EXPECT_STREQ(table->slots[0].name, "A");
        EXPECT_STREQ(table->slots[1].name, "B");
        EXPECT_EQ(table->slots[1].calls, 2);
    }
}

TEST(ParseSection, HeaderMatchesCaseInsensitivelyAndWholeLineOnly) {
    EXPECT_EQ(Parsed("[phonenumbers]\r\nA, 1, 1\r\n")->count, 1);
    EXPECT_EQ(Parsed("[PhoneNumbers] \r\nA, 1, 1\r\n")->count, 0);
    EXPECT_EQ(Parsed(" [PhoneNumbers]\r\nA, 1, 1\r\n")->count, 0);
    EXPECT_EQ(Parsed("A, 1, 1\r\n")->count, 0);  // records outside the section
}

TEST(ParseSection, OtherSectionEndsItAndRepeatedHeadersAppend) {
    auto table = Parsed(
        "[PhoneNumbers]\r\nA, 1, 1\r\n[Other]\r\nX, 9, 9\r\n"
        "[PHONENUMBERS]\r\nB, 2, 2\r\n[PhoneNumbers]\r\nC, 3, 3\r\n");
    ASSERT_EQ(table->count, 3);
    EXPECT_STREQ(table->slots[0].name, "A");
    EXPECT_STREQ(table->slots[1].name, "B");
    EXPECT_STREQ(table->slots[2].name, "C");
}

TEST(ParseSection, StopsAt500Records) {
    std::string text = "[PhoneNumbers]\r\n";
    for (int i = 0; i < 600; ++i) text += "N" + std::to_string(i) + ", " + std::to_string(i + 1) + ", 1\r\n";
    text += "[PhoneNumbers]\r\nLate, 1, 1\r\n";
    auto table = Parsed(text);
    EXPECT_EQ(table->count, kMaxContacts);
    EXPECT_STREQ(table->slots[499].name, "N499");
}

TEST(Format, WritesBannerHeaderAndOneLinePerStoredSlot) {
    ContactTable table;
    EXPECT_EQ(Formatted(table), kBanner);

    const struct {
        const char* name;
        const char* number;
        int calls;
    } entries[] = {{"Ann", "555 1234", 2},
                   {" Bob ", "(555) 99 ", -4},
                   {"Named", "", 0},
                   {"", "1", 2147483647},
                   {"Min", "2", -2147483647 - 1}};
    for (const auto& e : entries) {
        Contact& c = table.slots[table.count++];
        CopyField(c.name, e.name);
        CopyField(c.number, e.number);
        c.calls = e.calls;
    }
    CopyField(table.slots[table.count].number, "past count is not written");
    EXPECT_EQ(Formatted(table), kBanner +
                                    "Ann, 555 1234, 2\r\n"
                                    " Bob , (555) 99 , -4\r\n"
                                    "Named, , 0\r\n"
                                    ", 1, 2147483647\r\n"
                                    "Min, 2, -2147483648\r\n");
}

TEST(Format, HasNoSizeLimitAndNeverReadsPastAField) {
    auto table = std::make_unique<ContactTable>();
    for (int s = 0; s < kMaxContacts; ++s) {
        Contact& c = table->slots[s];
        std::memset(c.name, 'n', sizeof c.name - 1);
        std::memset(c.number, '7', sizeof c.number - 1);
        c.calls = -2147483647 - 1;
    }
    table->count = kMaxContacts;
    const std::string text = Formatted(*table);
    const std::size_t record = 255 + 2 + 39 + 2 + 11 + 2;
    EXPECT_EQ(text.size(), kBanner.size() + kMaxContacts * record);
    EXPECT_GT(text.size(), 64000u);
    EXPECT_EQ(text.substr(text.size() - 16), "7, -2147483648\r\n");
}

// Names and numbers that the format keeps intact: no ",", at most 50 and 28
// characters, names not starting with "#" or "[", numbers not with a space.
std::string RandomText(std::mt19937& random, int maxLength, bool isName) {
    static const char kChars[] = " abcXYZ019#[]()-*_.'\xE4\xFF\t;";
    std::uniform_int_distribution<int> length(isName ? 0 : 1, maxLength);
    std::uniform_int_distribution<int> pick(0, sizeof kChars - 2);
    std::string text;
    for (int n = length(random); static_cast<int>(text.size()) < n;) {
        const char c = kChars[pick(random)];
        if (text.empty() && (isName ? (c == '#' || c == '[') : c == ' ')) continue;
        text += c;
    }
    return text;
}

TEST(RoundTrip, GeneratedTablesComeBackSlotForSlot) {
    std::mt19937 random(20261206);
    std::uniform_int_distribution<int> count(0, kMaxContacts);
    std::uniform_int_distribution<std::int32_t> calls(-2147483647 - 1, 2147483647);
    for (int round = 0; round < 60; ++round) {
        auto table = std::make_unique<ContactTable>();
        table->count = round == 0 ? kMaxContacts : count(random);
        for (int s = 0; s < table->count; ++s) {
            Contact& c = table->slots[s];
            CopyField(c.name, RandomText(random, 50, true).c_str());
            // An empty number stays an empty-number slot below count.
            const std::string number = random() % 20 == 0 ? "" : RandomText(random, 28, false);
            CopyField(c.number, number.c_str());
            c.calls = random() % 4 == 0 ? calls(random) : static_cast<std::int32_t>(random() % 100);
        }
        auto back = Parsed(Formatted(*table));
        ASSERT_EQ(back->count, table->count) << "round " << round;
        for (int s = 0; s < table->count; ++s) {
            ASSERT_STREQ(back->slots[s].name, table->slots[s].name) << "round " << round << " slot " << s;
            ASSERT_STREQ(back->slots[s].number, table->slots[s].number) << "round " << round << " slot " << s;
            ASSERT_EQ(back->slots[s].calls, table->slots[s].calls) << "round " << round << " slot " << s;
        }
    }
}

}  // namespace
