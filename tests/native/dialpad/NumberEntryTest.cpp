// Number entry as the window sees it: what each key does to the number, and
// which sounds, focus moves, questions and redraws it asks for, in order.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "dialpad/NumberEntry.h"
#include "res/resource.h"
#include "tests/common/ContactsText.h"

namespace {

// Records the host calls as one line: "t194 f1004 r" is tone 194, focus on
// 1004, redraw; "?" a question, "c" the click.
class RecordingHost : public DialPadHost {
public:
    void PlayKeySound(int id) override { log += id == IDW_CLICK ? "c " : "t" + std::to_string(id) + " "; }
    void FocusControl(int id) override { log += "f" + std::to_string(id) + " "; }
    bool AskYesNo(const char* text, const char* caption) override {
        log += "? ";
        EXPECT_STREQ(text, "Who do you call? Folks on Jupiter? ;-)\nLet me clear this mess?");
        EXPECT_STREQ(caption, "HEY!");
        return answerYes;
    }
    void RedrawDisplay() override { log += "r "; }

    std::string log;
    bool answerYes = false;
};

TEST(KeypadDigit, MapsBothCasesOfEveryLetterAndNothingElse) {
    const std::string letters = "abcdefghijklmnopqrstuvwxyz";
    const std::string digits = "22233344455566677778889999";
    for (std::size_t i = 0; i < letters.size(); ++i) {
        EXPECT_EQ(KeypadDigit(letters[i]), digits[i]) << letters[i];
        EXPECT_EQ(KeypadDigit(letters[i] - 'a' + 'A'), digits[i]) << letters[i];
    }
    for (unsigned char c : std::string("0*#-@[`{ \b\xe4")) EXPECT_EQ(KeypadDigit(c), 0) << int(c);
}

struct EntryCase {
    const char* name;
    const char* start;  // the number before the keys
    bool replace;       // replace-on-next-key before the keys
    bool answerYes;
    const char* keys;
    const char* number;  // after the keys
    bool replaceAfter;
    const char* log;
};

const EntryCase kEntryCases[] = {
    {"LettersBecomeDigitsHyphensAreSilent", "", false, false, "1-8f", "1-83", false,
     "r t193 f1003 r r t200 f1010 r t195 f1005 "},
    {"VAndWInBothCases", "", false, false, "vVwW", "8899", false,
     "r t200 f1010 r t200 f1010 r t201 f1011 r t201 f1011 "},
    {"SpacesAreDropped", "", false, false, "5 5", "55", false, "r t197 f1007 r t197 f1007 "},
    {"StarHashAndParenthesesAppend", "", false, false, "*#()", "*#()", false,
     "r t202 f1012 r t203 f1013 r r "},
    {"OthersAreIgnored", "12", false, false, "+.!", "12", false, ""},
    {"ReplaceStartsANewNumber", "555", true, false, "7", "7", false, "r t199 f1009 "},
    {"ReplaceWaitsForANumberCharacter", "555", true, false, "+", "555", true, ""},
    {"BackspaceEditsTheOldNumberAndKeepsReplace", "555", true, false, "\b", "55", true, "r "},
    {"BackspaceOnEmptyDoesNothing", "", false, false, "\b", "", false, ""},
    {"TwentyNinthAnsweredNo", "0123456789012345678901234567", false, false, "9",
     "0123456789012345678901234567", false, "? t201 f1011 "},
    {"TwentyNinthAnsweredYes", "0123456789012345678901234567", false, true, "9", "", false, "? r "},
    {"PastTwentyEightOnlyTheToneSounds", "01234567890123456789012345678", false, false, "1-",
     "01234567890123456789012345678", false, "t193 f1003 "},
};

void PrintTo(const EntryCase& c, std::ostream* os) {
    *os << c.name;
}

class EnterCharacter : public ::testing::TestWithParam<EntryCase> {};

TEST_P(EnterCharacter, EditsTheNumberWithItsFeedback) {
    const EntryCase& c = GetParam();
    RecordingHost host;
    host.answerYes = c.answerYes;
    NumberEntry entry(host);
    entry.SetNumber(c.start);
    entry.SetReplaceOnNextKey(c.replace);
    for (const char* key = c.keys; *key != '\0'; ++key)
        entry.EnterCharacter(static_cast<unsigned char>(*key));
    EXPECT_STREQ(entry.Number(), c.number);
    EXPECT_EQ(entry.ReplaceOnNextKey(), c.replaceAfter);
    EXPECT_EQ(host.log, c.log);
}

INSTANTIATE_TEST_SUITE_P(Cases, EnterCharacter, ::testing::ValuesIn(kEntryCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(NumberEntry, FlowersAndClear) {
    RecordingHost host;
    NumberEntry entry(host);
    ContactTable table;
    for (char c : std::string("1-800-flowers")) entry.CharacterHandler(static_cast<unsigned char>(c), table);
    EXPECT_STREQ(entry.Number(), "1-800-3569377");
    entry.SetReplaceOnNextKey(true);
    host.log.clear();
    entry.Clear();
    EXPECT_STREQ(entry.Number(), "");
    EXPECT_TRUE(entry.ReplaceOnNextKey());
    EXPECT_EQ(host.log, "c r ");
}

// Shifted A-T load the number at that list position; lower case and U-Z type.
TEST(CharacterHandler, SpeedDialLettersFollowTheListPositions) {
    auto table = std::make_unique<ContactTable>();
    for (int i = 0; i < 25; ++i) {
        std::snprintf(table->slots[i].number, kNumberSize, "555 %02d", i);
        table->slots[i].calls = i;  // most-called first: position p holds slot 24 - p
    }
    const struct {
        int count;
        char key;
        const char* number;
        const char* log;
    } cases[] = {
        {25, 'A', "555 24", "c r "},
        {25, 'S', "555 06", "c r "},
        {25, 'T', "555 05", "c r "},
        {25, 's', "7", "r t199 f1009 "},
        {25, 'U', "8", "r t200 f1010 "},
        {2, 'B', "555 00", "c r "},
        {2, 'C', "", ""},
    };
    for (const auto& c : cases) {
        table->count = c.count;
        table->Reorder();
        RecordingHost host;
        NumberEntry entry(host);
        entry.SetReplaceOnNextKey(true);
        entry.CharacterHandler(static_cast<unsigned char>(c.key), *table);
        EXPECT_STREQ(entry.Number(), c.number) << c.key << " of " << c.count;
        EXPECT_EQ(host.log, c.log) << c.key << " of " << c.count;
        EXPECT_EQ(entry.ReplaceOnNextKey(), c.log[0] == 'c' || c.log[0] == '\0') << c.key;
    }
}

TEST(NumberEntry, CopiesKeepWithinTheirBuffers) {
    RecordingHost host;
    NumberEntry entry(host);
    const std::string longText(300, '7');
    entry.SetNumber(longText.c_str());
    entry.SetCalledParty(longText.c_str());
    EXPECT_EQ(std::string(entry.Number()), longText.substr(0, kDialNumberSize - 1));
    EXPECT_EQ(std::string(entry.CalledParty()), longText.substr(0, kCalledPartySize - 1));
}

}  // namespace
