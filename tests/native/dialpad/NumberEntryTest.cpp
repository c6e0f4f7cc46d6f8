// Number entry as the window sees it: what each key does to the number, and
// which sounds, focus moves, questions and redraws it asks for, in order.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>

#include "dialpad/NumberEntry.h"
#include "res/resource.h"

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
    for (int i = 0; i < 26; ++i) {
        EXPECT_EQ(KeypadDigit('a' + i), "22233344455566677778889999"[i]) << i;
        EXPECT_EQ(KeypadDigit('A' + i), "22233344455566677778889999"[i]) << i;
    }
    for (unsigned char c : std::string("0*#-@[`{ \b\xe4")) EXPECT_EQ(KeypadDigit(c), 0) << int(c);
}

TEST(NumberEntry, EachKeyEditsTheNumberWithItsFeedback) {
    const std::string k28 = "0123456789012345678901234567", k29 = k28 + "8";
    const struct {
        std::string start;  // the number before the keys
        bool replace;       // replace-on-next-key before the keys
        bool answerYes;
        const char* keys;
        std::string number;  // after the keys
        bool replaceAfter;
        const char* log;
    } cases[] = {
        {"", false, false, "1-8f", "1-83", false, "r t193 f1003 r r t200 f1010 r t195 f1005 "},
        {"", false, false, "vVwW", "8899", false, "r t200 f1010 r t200 f1010 r t201 f1011 r t201 f1011 "},
        {"", false, false, "5 5", "55", false, "r t197 f1007 r t197 f1007 "},
        {"", false, false, "*#()", "*#()", false, "r t202 f1012 r t203 f1013 r r "},
        {"12", false, false, "+.!", "12", false, ""},
        {"555", true, false, "7", "7", false, "r t199 f1009 "},
        {"555", true, false, "+", "555", true, ""},
        {"555", true, false, "\b", "55", true, "r "},  // edits the old number, keeps replace
        {"", false, false, "\b", "", false, ""},
        {k28, false, false, "9", k28, false, "? t201 f1011 "},
        {k28, false, true, "9", "", false, "? r "},
        {k28, true, false, "9", "9", false, "r t201 f1011 "},  // after dialling 28, a new number
        {k29, false, false, "1-", k29, false, "t193 f1003 "},  // past 28 only the tone sounds
        {"555", true, false, "\x1b", "", true, "c r "},        // Escape: Clear keeps replace
    };
    for (const auto& c : cases) {
        RecordingHost host;
        host.answerYes = c.answerYes;
        NumberEntry entry(host);
        entry.SetNumber(c.start.c_str());
        entry.SetReplaceOnNextKey(c.replace);
        for (const char* key = c.keys; *key != '\0'; ++key)
            *key == '\x1b' ? entry.Clear() : entry.EnterCharacter(static_cast<unsigned char>(*key));
        EXPECT_EQ(entry.Number(), c.number) << c.keys;
        EXPECT_EQ(entry.ReplaceOnNextKey(), c.replaceAfter) << c.keys;
        EXPECT_EQ(host.log, c.log) << c.keys;
    }
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
    } cases[] = {{25, 'A', "555 24", "c r "},
                 {25, 'S', "555 06", "c r "},
                 {25, 'T', "555 05", "c r "},
                 {2, 'B', "555 00", "c r "},
                 {2, 'C', "", ""},
                 {25, 's', "7", "r t199 f1009 "},
                 {25, 'U', "8", "r t200 f1010 "}};
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

}  // namespace
