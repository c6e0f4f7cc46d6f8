#include <gtest/gtest.h>

#include <string>

#include "handover/NumberInText.h"

namespace {

// The first number of a pasted text, as the display takes it; "" for none.
std::string Found(const std::string& text) {
    char number[kNumberFieldLimit + 1] = "stale";
    const bool found = FindNumberInText(text.data(), text.size(), number);
    EXPECT_EQ(found, number[0] != '\0') << text;
    return number;
}

TEST(NumberInText, TakesTheFirstNumberWithoutItsLabels) {
    const std::string longRun(40, '9');
    const struct {
        std::string text;
        const char* number;
    } cases[] = {
        {"Tel.: +1 (201) 555-0123 ext. 7", "+1 (201) 555-0123"},
        {"Call 0800 123 456 today!", "0800 123 456"},
        {"1-800-FLOWERS", "1-800-3569377"},
        {"555-CALL NOW", "555-2255"},      // the group ends at the space
        {"555ABC", "555"},                 // letters only after a hyphen
        {"Fax 555/123.45.", "555123.45"},  // "/" goes, the full stop after it too
        {"(call 555-0123)", "555-0123"},   // a bracket that closes nothing
        {"Office: (020) 7946 0018", "(020) 7946 0018"},
        {"0800  123 456", "0800"},  // two spaces end a number
        {"555\xA0"
         "1234",
         "555 1234"},                            // a web page's no-break space
        {"12 apples, 34 pears", ""},             // fewer than 3 digits each
        {longRun + " or 555 1234", "555 1234"},  // too long even without spaces
        {"Hello world", ""},
        {std::string("ab\0 555 1234", 12), ""},          // a zero byte ends the text
        {std::string(4090, 'x') + "5551234", "555123"},  // 4 KB are looked at
        {std::string(4095, 'x') + "5551234", ""},
        {"Call tel:+1-201-555-0123 now", "+1-201-555-0123"},  // a link before a plain number
        {"<a href=\"TEL:%2B44%2020\">020</a>", "+44 20"},
        {"callto://+1%20555%200123", "+1 555 0123"},
        {"callto:+1 555", "+1"},         // a link ends at a space
        {"hotel:555 12", "555 12"},      // not a link: a plain number
        {"tel:abc 5550123", "5550123"},  // no number in the link
    };
    for (const auto& c : cases) EXPECT_EQ(Found(c.text), c.number) << c.text;
}

}  // namespace
