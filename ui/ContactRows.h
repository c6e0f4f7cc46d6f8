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

// One row of the list, made on the stack for each position in turn.
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

// The stored contact that row `item` acts on: the slot in the row's own item
// data, which stays right when a contact without a number leaves a position
// without a row and the rows after it move up. kNoSlot for a click that hit
// no row (item -1) or for data that is not the slot the row was made for.
int RowSlot(const ContactTable& table, int item, std::intptr_t itemData);

// New: the spare slot, cleared, holding the dial number unless its digits
// already belong to a stored contact. nullptr when the table is full.
Contact* PrepareNewContact(ContactTable& table, const char* dialNumber);
