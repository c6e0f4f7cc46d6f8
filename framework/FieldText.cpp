#include "framework/FieldText.h"

#include <cstdio>

bool ParseUnsignedField(const char* text, unsigned* value) {
    while (*text == ' ' || *text == '\t') ++text;
    if (*text < '0' || *text > '9') return false;
    unsigned long long parsed = 0;
    for (; *text >= '0' && *text <= '9'; ++text) {
        parsed = parsed * 10 + static_cast<unsigned>(*text - '0');
        if (parsed > 0xFFFFFFFFull) return false;
    }
    while (*text == ' ' || *text == '\t') ++text;
    if (*text != '\0') return false;
    *value = static_cast<unsigned>(parsed);
    return true;
}

void FormatUnsignedField(unsigned value, char* text, std::size_t size) {
    std::snprintf(text, size, "%u", value);
}

void FormatRangeMessage(unsigned lo, unsigned hi, char* text, std::size_t size) {
    std::snprintf(text, size, "Please enter a number from %u to %u.", lo, hi);
}
