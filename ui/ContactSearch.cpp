#include "ui/ContactSearch.h"

#include <cstring>

#include "dialpad/NumberEntry.h"

namespace {

// Windows-1252 letters from 0xC0 as their base letters; '_' marks the two
// signs among them (multiplication and division), which separate words.
constexpr char kBaseLetters[] = "AAAAAAACEEEEIIIIDNOOOOO_OUUUUYTSAAAAAAACEEEEIIIIDNOOOOO_OUUUUYTY";

}  // namespace

char SpelledDigit(unsigned char c) {
    if (c >= '0' && c <= '9') return static_cast<char>(c);
    if (c >= 0xC0) c = static_cast<unsigned char>(kBaseLetters[c - 0xC0]);
    switch (c) {
        case 0x8A:
        case 0x9A: c = 'S'; break;  // S and s with caron
        case 0x8E:
        case 0x9E: c = 'Z'; break;  // Z and z with caron
        case 0x8C:
        case 0x9C: c = 'O'; break;  // the OE ligature
        case 0x9F: c = 'Y'; break;  // Y with diaeresis
        default: break;
    }
    return KeypadDigit(c);
}

namespace {

bool StartsWith(const char* text, int length, const DigitKey& prefix) {
    return length >= prefix.Length() && std::memcmp(text, prefix.Digits(), prefix.Length()) == 0;
}

}  // namespace

bool ContactMatches(const Contact& contact, const DigitKey& typed) {
    if (std::strstr(DigitKey(contact.number).Digits(), typed.Digits()) != nullptr) return true;
    // The name spelled without its separators, and the initials of its words.
    char spelled[kNameSize];
    char initials[kNameSize];
    int wordStarts[kNameSize];
    int length = 0, words = 0;
    bool separated = true;
    for (int i = 0; i < kNameSize - 1 && contact.name[i] != '\0'; ++i) {
        const char digit = SpelledDigit(static_cast<unsigned char>(contact.name[i]));
        if (digit == 0) {
            separated = true;
            continue;
        }
        if (separated) {
            wordStarts[words] = length;
            initials[words++] = digit;
        }
        separated = false;
        spelled[length++] = digit;
    }
    for (int w = 0; w < words; ++w) {
        if (StartsWith(spelled + wordStarts[w], length - wordStarts[w], typed) ||
            StartsWith(initials + w, words - w, typed)) {
            return true;
        }
    }
    return false;
}

bool ContactSearch::Follow(const char* dialNumber, bool composing) {
    const bool active = enabled_ && composing;
    const DigitKey typed(active ? dialNumber : "");
    const bool changed = active != active_ || std::strcmp(typed.Digits(), digits_) != 0;
    active_ = active;
    std::memcpy(digits_, typed.Digits(), static_cast<std::size_t>(typed.Length()) + 1);
    return changed;
}

void ContactSearch::MapRows(const ContactTable& table, ListRows* rows) const {
    ::MapRows(table, rows);
    rows->filtered = active_;
    if (!active_) return;
    const DigitKey typed(digits_);
    int shown = 0;
    for (int r = 0; r < rows->count; ++r) {
        const int position = rows->positions[r];
        if (ContactMatches(table.slots[table.order[position]], typed)) rows->positions[shown++] = position;
    }
    rows->count = shown;
    for (int letter = 0; letter < kSpeedDialPositions; ++letter)
        rows->letterSlots[letter] = RowSlot(table, *rows, letter);
}
