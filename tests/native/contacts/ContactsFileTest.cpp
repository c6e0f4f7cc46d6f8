#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "TestHost.h"
#include "contacts/ContactsFile.h"
#include "contacts/FieldRules.h"

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

TEST(ParseRecord, FieldsSplitAtCommasWithSeparatorAndSpacesSkipped) {
    const struct {
        std::string line, name, number;
        int calls;
    } cases[] = {
        {"Ann, 555 1234, 2", "Ann", "555 1234", 2},
        {"Ann , 555 1234, 2", "Ann ", "555 1234", 2},       // space before a comma stays
        {"Ann,   555 1234  ,  7", "Ann", "555 1234  ", 7},  // leading spaces dropped
        {"  Ann", "  Ann", "", 0},                          // name only
        {"Bob, 123", "Bob", "123", 0},                      // no call count
        {"Bob, 123, 4, extra, more", "Bob", "123", 4},      // fourth field ignored
        {"Bob, 123, 12abc", "Bob", "123", 12},
        {"Bob, 123, -4", "Bob", "123", -4},
        {"Bob, 123, +9", "Bob", "123", 9},
        {"Bob, 123,\t 5", "Bob", "123", 5},   // atoi skips the tab
        {"Bob,\t123, 5", "Bob", "\t123", 5},  // the reader does not
        {"Bob, 123, 2147483647", "Bob", "123", 2147483647},
        {"Bob, 123, -2147483648", "Bob", "123", -2147483647 - 1},
        {"Bob, 123, 99999999999999999999", "Bob", "123", 2147483647},  // held, not UB
        {"Bob, 123, -99999999999999999999", "Bob", "123", -2147483647 - 1},
        {"Bob, , 3", "Bob", "", 3},  // empty number kept
        // Overlong fields keep their start; the following fields stay in place.
        {std::string(50, 'N') + "tail, " + std::string(28, '5') + "999, 3", std::string(50, 'N'),
         std::string(28, '5'), 3},
        // An overlong line keeps its first 499 characters.
        {std::string(490, 'N') + ", 1, 78999", std::string(50, 'N'), "1", 7899},
    };
    for (const auto& c : cases) {
        auto table = Parsed("[PhoneNumbers]\r\n" + c.line + "\r\n");
        ASSERT_EQ(table->count, 1) << c.line;
        EXPECT_EQ(table->slots[0].name, c.name) << c.line;
        EXPECT_EQ(table->slots[0].number, c.number) << c.line;
        EXPECT_EQ(table->slots[0].calls, c.calls) << c.line;
    }
}

// Any run of CR and LF ends a line and a zero byte ends the text. Comments
// and blank lines are skipped anywhere; records count only inside a section
// whose header is exactly [PhoneNumbers] in any case, up to 500.
TEST(Parse, KeepsTheRecordsOfEveryPhoneNumbersSectionOnly) {
    std::string many = "[PhoneNumbers]\r\n", manyNames;
    for (int i = 0; i < 600; ++i) {
        many += "N" + std::to_string(i) + ", 1, 1\r\n";
        if (i < kMaxContacts) manyNames += "N" + std::to_string(i) + "|";
    }
    const struct {
        std::string text, names;
    } cases[] = {
        {"# c\r\n[PhoneNumbers]\r\nA, 1, 1\r\nB, 2, 2\r\n", "A|B|"},
        {"other\n\n[PhoneNumbers]\n\nA, 1, 1\n# between\n\n\nB, 2, 2", "A|B|"},
        {"\r\r\n[PhoneNumbers]\rA, 1\r\r \n\t\n\r", "A| |\t|"},
        {std::string("[PhoneNumbers]\nA, 1\nB, 2\0C, 3\nD, 4", 34), "A|B|"},
        {"[phonenumbers]\r\nA, 1, 1\r\n", "A|"},
        {"[PhoneNumbers] \r\nA, 1, 1\r\n", ""},
        {" [PhoneNumbers]\r\nA, 1, 1\r\n", ""},
        {"A, 1, 1\r\n", ""},
        {"[PhoneNumbers]\r\nA, 1, 1\r\n[Other]\r\nX, 9, 9\r\n[PHONENUMBERS]\r\nB, 2, 2\r\n"
         "[PhoneNumbers]\r\nC, 3, 3\r\n",
         "A|B|C|"},
        {many + "[PhoneNumbers]\r\nLate, 1, 1\r\n", manyNames},
    };
    for (const auto& c : cases) {
        auto table = Parsed(c.text);
        std::string names;
        for (int s = 0; s < table->count; ++s) names += table->slots[s].name + std::string("|");
        EXPECT_EQ(names, c.names) << c.text.substr(0, 40);
    }
}

TEST(Format, WritesBannerHeaderAndOneLinePerStoredSlotWithoutSizeLimit) {
    auto table = std::make_unique<ContactTable>();
    EXPECT_EQ(Formatted(*table), kBanner);

    const char* entries[][2] = {
        {"Ann", "555 1234"}, {" Bob ", "(555) 99 "}, {"Named", ""}, {"", "1"}, {"Min", "2"}};
    const int calls[] = {2, -4, 0, 2147483647, -2147483647 - 1};
    for (int s = 0; s < 5; ++s) {
        CopyField(table->slots[s].name, entries[s][0]);
        CopyField(table->slots[s].number, entries[s][1]);
        table->slots[s].calls = calls[s];
    }
    table->count = 5;
    CopyField(table->slots[5].number, "past count is not written");
    EXPECT_EQ(Formatted(*table), kBanner +
                                     "Ann, 555 1234, 2\r\n"
                                     " Bob , (555) 99 , -4\r\n"
                                     "Named, , 0\r\n"
                                     ", 1, 2147483647\r\n"
                                     "Min, 2, -2147483648\r\n");
}

// The dialogs' rule accepts exactly the fields that come back through the file.
TEST(CheckContactFields, AcceptsWhatTheFileKeepsUpToEachLimit) {
    const std::string n50(50, 'N'), d28(28, '5');
    const struct {
        std::string name, number;
        FieldProblem problem;
    } cases[] = {
        {n50, d28, FieldProblem::kNone},  // both at their limits
        {n50 + "N", "1", FieldProblem::kName},
        {"Ann", d28 + "5", FieldProblem::kNumber},
        {" Ann #1 [x] ", "(555) 1-2 # ", FieldProblem::kNone},
        {"Ann, Lee", "1", FieldProblem::kName},
        {"#Ann", "1", FieldProblem::kName},
        {"[Ann", "1", FieldProblem::kName},
        {"Ann\nLee", "1", FieldProblem::kName},
        {"Ann\rLee", "1", FieldProblem::kName},
        {"Ann", "1,2", FieldProblem::kNumber},
        {"Ann", " 12", FieldProblem::kNumber},
        {"Ann", "12\n", FieldProblem::kNumber},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CheckContactFields(c.name.c_str(), c.number.c_str()), c.problem)
            << c.name << "|" << c.number;
        if (c.problem != FieldProblem::kNone) continue;
        auto table = std::make_unique<ContactTable>();
        CopyField(table->slots[0].name, c.name.c_str());
        CopyField(table->slots[0].number, c.number.c_str());
        table->count = 1;
        auto back = Parsed(Formatted(*table));
        ASSERT_EQ(back->count, 1) << c.name;
        EXPECT_EQ(back->slots[0].name, c.name);
        EXPECT_EQ(back->slots[0].number, c.number);
    }
}

}  // namespace
