// Find contacts as you type: while the user composes a number, the list
// shows only the contacts it could mean, by their numbers' digits or by
// their names spelled on the keypad's letters. Standard C++ only.
#pragma once

#include "contacts/ContactTable.h"
#include "ui/ContactRows.h"

// Whether the digits typed find the contact: they appear anywhere in its
// number's digits, or they spell on the keypad the start of a word of its
// name, running on into the following words ("5646" and "56467" find "John
// Smith"), or the initials of consecutive words ("78" finds "Sam Taylor").
// Accented letters count as their base letter, and a digit in a name as
// itself; every other character separates words. No digits find everyone.
bool ContactMatches(const Contact& contact, const DigitKey& typed);

// The keypad digit a character of a name spells, or 0 for a separator.
char SpelledDigit(unsigned char c);

// The user's choice, and which contacts the list shows because of it.
class ContactSearch {
public:
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled) { enabled_ = enabled; }

    // Follows the dial number after each change; true when the list must be
    // refilled because the rows it shows change.
    bool Follow(const char* dialNumber, bool composing);

    // The list positions of the ordered table that get rows: every contact,
    // or while a number is being composed with the option on, the matching
    // ones, which then carry the speed-dial letters in the order shown.
    void MapRows(const ContactTable& table, ListRows* rows) const;

private:
    bool enabled_ = false;
    bool active_ = false;
    char digits_[kDigitKeyMaxDigits + 1] = {};
};
