// The text rules of dialog fields, apart from any window: what DDX_Text and
// DDV_MinMaxUInt accept. Standard C++ only.
#pragma once

#include <cstddef>

// Reads an unsigned decimal field: optional spaces, at least one digit,
// optional spaces, nothing else, and a value that fits 32 bits.
bool ParseUnsignedField(const char* text, unsigned* value);

// Writes value in decimal into text (at least 11 bytes).
void FormatUnsignedField(unsigned value, char* text, std::size_t size);

// The validation message for a value outside lo..hi, written into text.
void FormatRangeMessage(unsigned lo, unsigned hi, char* text, std::size_t size);

// The message shown when a field does not read as an unsigned number.
constexpr char kNotANumberMessage[] = "Please enter a whole number.";
