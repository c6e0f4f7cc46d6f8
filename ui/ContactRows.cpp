#include "ui/ContactRows.h"

#include "contacts/TextCopy.h"

namespace {

bool HasRow(const ContactTable& table, int position) {
    return ContactTable::InUse(table.slots[table.order[position]]);
}

}  // namespace

bool MakeRow(const ContactTable& table, int position, ListRow* row) {
    if (!HasRow(table, position)) return false;
    const Contact& contact = table.slots[table.order[position]];
    row->slot = table.order[position];
    FormatRowText(position, contact.name, row->text);
    FormatCalls(contact.calls, row->calls);
    row->number = contact.number;
    return true;
}

void FormatRowText(int position, const char* name, char (&text)[kRowTextSize]) {
    int at = 0;
    if (position < kSpeedDialPositions) {
        text[at++] = static_cast<char>('A' + position);
        text[at++] = ' ';
        text[at++] = '-';
        text[at++] = ' ';
    }
    for (int i = 0; i < kNameSize - 1 && name[i] != '\0'; ++i) text[at++] = name[i];
    text[at] = '\0';
}

void FormatCalls(std::int32_t calls, char (&text)[kCallsTextSize]) {
    // Unsigned arithmetic, so that the most negative count has a magnitude.
    std::uint32_t magnitude =
        calls < 0 ? 0u - static_cast<std::uint32_t>(calls) : static_cast<std::uint32_t>(calls);
    char digits[10];
    int length = 0;
    do {
        digits[length++] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    int at = 0;
    if (calls < 0) text[at++] = '-';
    while (length > 0) text[at++] = digits[--length];
    text[at] = '\0';
}

void MapRows(const ContactTable& table, ListRows* rows) {
    rows->count = 0;
    for (int p = 0; p < table.count; ++p) {
        if (HasRow(table, p)) rows->positions[rows->count++] = p;
    }
}

int RowSlot(const ContactTable& table, const ListRows& rows, int item) {
    if (item < 0 || item >= rows.count) return kNoSlot;
    return table.order[rows.positions[item]];
}

Contact* PrepareNewContact(ContactTable& table, const char* dialNumber) {
    if (table.IsFull()) return nullptr;
    Contact& spare = table.NewSlot();
    if (table.FindByDigitKey(DigitKey(dialNumber)) == kNoSlot) CopyText(spare.number, dialNumber);
    return &spare;
}
