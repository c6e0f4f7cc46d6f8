// The tel: URI a call request becomes, and what the request answers.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "telbridge/TelUri.h"

namespace {

TEST(TelUri, DestinationsBecomeUrisOrAreRefusedAndAnswersBecomeResults) {
    const std::string eighty(80, '7'), eightyOne = eighty + "7";
    const struct {
        const char* destination;
        std::int32_t result;
        std::string uri;
    } cases[] = {
        {"+1 (555) 123-4567", 0, "tel:+1(555)123-4567"},
        {"555#12*3", 0, "tel:555%2312*3"},
        {"1.555 0199", 0, "tel:1.5550199"},
        // The longest dial number the program keeps, every keypad character in it.
        {"(0123)456-7890#*(12)345-6789", 0, "tel:(0123)456-7890%23*(12)345-6789"},
        {"1-800-FLOWERS", 0, "tel:1-800-3569377"},
        {"5%2F\t9?x=1&\xE9", 0, "tel:5%2523%099%3F9%3D1%26%E9"},
        {eighty.c_str(), 0, "tel:" + eighty},
        {eightyOne.c_str(), -4, ""},
        {"flowers", 0, "tel:3569377"},
        {"+ (-.) #*", -4, ""},
        {"", -4, ""},
        {nullptr, -18, ""},
    };
    for (const auto& c : cases) {
        const std::string name = c.destination != nullptr ? c.destination : "(null)";
        char uri[kTelUriSize];
        std::fill(uri, uri + sizeof uri, 'x');
        EXPECT_EQ(c.result, MakeTelUri(c.destination, uri)) << name;
        EXPECT_EQ(c.uri, uri) << name;
    }
    // ShellExecute's code: the handler was started; no handler, or its program
    // is gone; anything else went wrong.
    for (std::intptr_t code : {33, 42}) EXPECT_EQ(RequestResult(code), 0) << code;
    for (std::intptr_t code : {31, 2, 3}) EXPECT_EQ(RequestResult(code), -2) << code;
    for (std::intptr_t code : {32, 0, 8}) EXPECT_EQ(RequestResult(code), -16) << code;
}

}  // namespace
