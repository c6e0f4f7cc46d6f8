// What the contact list shows at each list position, and which stored
// contact a row, a click or a command reaches. Standard C++ only.
#pragma once

#include <cstdint>

#include "contacts/ContactTable.h"

// Positions 0-19 carry the speed-dial letters A-T in front of the name.
constexpr int kSpeedDialPositions = 20;
// "A - " in front of the longest name a slot holds, and the terminator.
constexpr int kRowTextSize = 4 + kNameSize;
// "-2147483648" and the terminator.
constexpr int kCallsTextSize = 12;

// One row of the list, made on the stack when the list asks for it.
struct ListRow {
    int slot;
    char text[kRowTextSize];
    char calls[kCallsTextSize];
    const char* number;  // the slot's own, as stored
};

// The row of list position p; false when p gets none, because its contact
// has no number to dial.
bool MakeRow(const ContactTable& table, int position, ListRow* row);

// The first column's text of list position p: "A - name" below position 20,
// the name alone from there on. The name is read up to its slot's size.
void FormatRowText(int position, const char* name, char (&text)[kRowTextSize]);

// A call count in signed decimal.
void FormatCalls(std::int32_t calls, char (&text)[kCallsTextSize]);

// The list's rows as the last refill made them: the list positions that
// have one, in order. The list itself holds only their count and asks for a
// row's texts when it draws that row.
struct ListRows {
    int count = 0;
    int positions[kMaxContacts] = {};
    // Set when the rows are a search's: the speed-dial letters then follow
    // the rows shown, and letterSlots holds each letter's contact.
    bool filtered = false;
    int letterSlots[kSpeedDialPositions] = {};
};

// Records which positions of the ordered table get rows.
void MapRows(const ContactTable& table, ListRows* rows);

// The stored contact that row `item` acts on: kNoSlot for a click that hit
// no row (item -1) or an item past the rows.
int RowSlot(const ContactTable& table, const ListRows& rows, int item);

// New: the spare slot, cleared, holding the dial number unless its digits
// already belong to a stored contact. nullptr when the table is full.
Contact* PrepareNewContact(ContactTable& table, const char* dialNumber);
