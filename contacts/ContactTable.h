// The contact store: 500 fixed slots, their display order and the digit key
// by which a dialled number is matched to a contact. Standard C++ only.
#pragma once

#include <cstdint>

constexpr int kMaxContacts = 500;
constexpr int kNameSize = 256;
constexpr int kNumberSize = 40;
constexpr int kDigitKeyMaxDigits = 48;

// The six orderings of the contact list; the table starts in kSortCallsDescending.
enum SortMode : int {
    kSortNameAscending = 1,
    kSortNumberAscending = 2,
    kSortCallsAscending = 3,
    kSortNameDescending = 4,
    kSortNumberDescending = 5,
    kSortCallsDescending = 6,
};

// List headings as ToggleSortMode numbers them.
enum SortHeading : int { kHeadingName = 0, kHeadingNumber = 1, kHeadingCalls = 2 };

// One slot. It is in use exactly when its number is non-empty.
struct Contact {
    char name[kNameSize];
    char number[kNumberSize];
    std::int32_t calls;
};
static_assert(sizeof(Contact) == 300, "a slot is 300 bytes");

// Case-insensitive comparison as the C runtime's _stricmp does it in the "C"
// locale: A-Z fold to a-z, then bytes compare unsigned; a prefix is smaller.
int CompareNoCase(const char* a, const char* b);

// The digits 0-9 of a number text, in order, taken from at most its first 48
// characters. Two keys match when their digits are the same.
class DigitKey {
public:
    explicit DigitKey(const char* text);

    const char* Digits() const { return digits_; }
    int Length() const { return length_; }
    bool operator==(const DigitKey& other) const;

private:
    char digits_[kDigitKeyMaxDigits + 1];
    int length_;
};

constexpr int kNoSlot = -1;

// Fixed-size value holding every contact; nothing in it is allocated apart.
struct ContactTable {
    int sortMode;
    int order[kMaxContacts];
    Contact slots[kMaxContacts];
    int count;
    Contact scratch;

    // Empty, every slot clear, order the identity, most-called first.
    ContactTable();

    static bool InUse(const Contact& contact) { return contact.number[0] != '\0'; }
    bool IsFull() const { return count >= kMaxContacts; }

    // Zeroes every byte of slot s's texts and its call count.
    void ClearSlot(int s);

    // The spare slot at index count, cleared. A full table has no such slot:
    // its cleared scratch record stands in, which Compact never stores.
    Contact& NewSlot();

    // Moves the slots in use to the front, keeping their storage order, and
    // recounts them. A filled spare slot becomes the last stored contact.
    void Compact();

    // Shows every slot at its own position: order[p] = p.
    void ResetOrder();

    // Rebuilds order from sortMode with the list's exchange ordering, which is
    // not stable: equal keys come out in the order the exchanges leave them.
    void Reorder();

    // A heading click: ascending by that column, descending on a second click.
    void ToggleSortMode(int heading);

    // The first stored slot, in storage order, whose number has these digits.
    int FindByDigitKey(const DigitKey& key) const;

    // The slot shown at list position p (0-19), or kNoSlot past the end.
    int SpeedDialSlot(int p) const;
};
