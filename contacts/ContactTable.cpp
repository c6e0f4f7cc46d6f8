#include "contacts/ContactTable.h"

#include <cassert>
#include <cstring>

namespace {

inline unsigned char Fold(unsigned char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c + ('a' - 'A')) : c;
}

// A slot's ordering key, made once per Reorder so that most comparisons are
// integer comparisons: the first sixteen folded bytes of the text, big-end
// first (or the call count, offset to compare unsigned), and the rest of the
// text when it goes on past them.
constexpr int kPrefixBytes = 16;

struct SortKey {
    std::uint64_t high;
    std::uint64_t low;
    const char* rest;  // nullptr when the text ended inside the prefix
};

SortKey TextKey(const char* text) {
    std::uint64_t word[2] = {0, 0};
    int i = 0;
    for (; i < kPrefixBytes && text[i] != '\0'; ++i) {
        word[i / 8] = word[i / 8] << 8 | Fold(static_cast<unsigned char>(text[i]));
    }
    const char* rest = i == kPrefixBytes ? text + kPrefixBytes : nullptr;
    for (; i < kPrefixBytes; ++i) word[i / 8] <<= 8;
    return {word[0], word[1], rest};
}

SortKey CallsKey(std::int32_t calls) {
    return {static_cast<std::uint64_t>(static_cast<std::int64_t>(calls) + 0x80000000ll), 0, nullptr};
}

// Equal prefixes with one text ended inside them means both ended there.
inline int Compare(const SortKey& a, const SortKey& b) {
    if (a.high != b.high) return a.high < b.high ? -1 : 1;
    if (a.low != b.low) return a.low < b.low ? -1 : 1;
    if (a.rest == nullptr || b.rest == nullptr) return 0;
    return CompareNoCase(a.rest, b.rest);
}

// Whether the digits of a text's first 48 characters are the key's, as
// DigitKey(text) == key, but stopping at the first digit that differs: most
// numbers of a list differ early.
bool HasDigits(const char* text, const DigitKey& key) {
    int matched = 0;
    for (int i = 0; i < kDigitKeyMaxDigits && text[i] != '\0'; ++i) {
        if (text[i] < '0' || text[i] > '9') continue;
        if (matched == key.Length() || text[i] != key.Digits()[matched]) return false;
        ++matched;
    }
    return matched == key.Length();
}

}  // namespace

int CompareNoCase(const char* a, const char* b) {
    const auto* x = reinterpret_cast<const unsigned char*>(a);
    const auto* y = reinterpret_cast<const unsigned char*>(b);
    for (;; ++x, ++y) {
        const unsigned char fx = Fold(*x);
        const unsigned char fy = Fold(*y);
        if (fx != fy) return fx < fy ? -1 : 1;
        if (fx == '\0') return 0;
    }
}

DigitKey::DigitKey(const char* text) : length_(0) {
    for (int i = 0; i < kDigitKeyMaxDigits && text[i] != '\0'; ++i) {
        if (text[i] >= '0' && text[i] <= '9') digits_[length_++] = text[i];
    }
    digits_[length_] = '\0';
}

bool DigitKey::operator==(const DigitKey& other) const {
    return length_ == other.length_ && std::memcmp(digits_, other.digits_, length_) == 0;
}

ContactTable::ContactTable() : sortMode(kSortCallsDescending), order(), slots(), count(0), scratch() {
    ResetOrder();
}

void ContactTable::ResetOrder() {
    for (int p = 0; p < kMaxContacts; ++p) order[p] = p;
}

void ContactTable::ClearSlot(int s) {
    assert(s >= 0 && s < kMaxContacts);
    std::memset(&slots[s], 0, sizeof slots[s]);
}

Contact& ContactTable::NewSlot() {
    if (IsFull()) {
        std::memset(&scratch, 0, sizeof scratch);
        return scratch;
    }
    ClearSlot(count);
    return slots[count];
}

void ContactTable::Compact() {
    int i = 0;
    for (int j = 0; j < kMaxContacts; ++j) {
        if (!InUse(slots[j])) continue;
        if (j != i) {
            slots[i] = slots[j];
            ClearSlot(j);
        }
        ++i;
    }
    count = i;
}

void ContactTable::Reorder() {
    ResetOrder();

    assert(sortMode >= kSortNameAscending && sortMode <= kSortCallsDescending);
    const bool ascending = sortMode <= kSortCallsAscending;
    SortKey keys[kMaxContacts];
    for (int s = 0; s < count; ++s) {
        switch (sortMode) {
            case kSortNameAscending:
            case kSortNameDescending: keys[s] = TextKey(slots[s].name); break;
            case kSortNumberAscending:
            case kSortNumberDescending: keys[s] = TextKey(slots[s].number); break;
            default: keys[s] = CallsKey(slots[s].calls); break;
        }
    }

    // Exchange order[p] and order[q] whenever q's contact belongs before p's,
    // in exactly this sequence: the list's order of equal keys depends on it.
    for (int p = 0; p < count; ++p) {
        const SortKey* held = &keys[order[p]];
        for (int q = p + 1; q < count; ++q) {
            const int cmp = Compare(*held, keys[order[q]]);
            if (ascending ? cmp > 0 : cmp < 0) {
                const int exchanged = order[p];
                order[p] = order[q];
                order[q] = exchanged;
                held = &keys[order[p]];
            }
        }
    }
}

void ContactTable::ToggleSortMode(int heading) {
    switch (heading) {
        case kHeadingName:
            sortMode = sortMode == kSortNameAscending ? kSortNameDescending : kSortNameAscending;
            break;
        case kHeadingNumber:
            sortMode = sortMode == kSortNumberAscending ? kSortNumberDescending : kSortNumberAscending;
            break;
        case kHeadingCalls:
            sortMode = sortMode == kSortCallsAscending ? kSortCallsDescending : kSortCallsAscending;
            break;
        default: assert(!"no such heading");
    }
}

int ContactTable::FindByDigitKey(const DigitKey& key) const {
    for (int s = 0; s < count; ++s) {
        if (HasDigits(slots[s].number, key)) return s;
    }
    return kNoSlot;
}

int ContactTable::SpeedDialSlot(int p) const {
    assert(p >= 0 && p < kMaxContacts);
    const int s = order[p];
    return s < count ? s : kNoSlot;
}
