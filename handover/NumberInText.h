// The phone number in a piece of text from outside, such as the clipboard's:
// a line of an e-mail, a web page's contact block, a tel: link. Standard C++
// only; the text may hold any bytes.
#pragma once

#include <cstddef>

#include "contacts/FieldRules.h"

// The most of a pasted text that is looked at.
constexpr std::size_t kMaxPastedText = 4096;

// Finds the first phone number in the text (at most kMaxPastedText bytes of
// it, up to a zero byte) and cleans it as an imported number is cleaned. A
// tel: or callto: link is read as the command line reads a tel: link.
// Otherwise the number is the first run of digits, "+()-./" and single
// spaces holding at least 3 digits, without the labels around it; capital
// letters that continue a hyphenated group ("1-800-FLOWERS") count as their
// keypad digits. A run that is still too long once its spaces are gone is
// passed over. False, with `number` empty, when the text holds none.
bool FindNumberInText(const char* text, std::size_t length, char (&number)[kNumberFieldLimit + 1]);
