#include "import/ImportEntry.h"

#include <cstdio>
#include <cstring>

#include "contacts/TextCopy.h"

namespace {

// Characters that would split a record or that show as nothing: they become
// spaces. None of them is the second byte of a double-byte character.
bool IsBlank(unsigned char c) {
    return c <= ' ' || c == 0x7F || c == ',';
}

// Blanks become single spaces between words; none at either end.
int Squeeze(char* text, int length) {
    int n = 0;
    bool space = false;
    for (int i = 0; i < length; ++i) {
        if (IsBlank(static_cast<unsigned char>(text[i]))) {
            space = n > 0;
            continue;
        }
        if (space) text[n++] = ' ';
        space = false;
        text[n++] = text[i];
    }
    return n;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsAscii(const char* text, int length) {
    for (int i = 0; i < length; ++i) {
        if (static_cast<unsigned char>(text[i]) >= 0x80) return false;
    }
    return true;
}

char Fold(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c;
}

}  // namespace

NumberFit CleanNumber(const char* text, int length, char (&number)[kNumberFieldLimit + 1]) {
    char kept[kImportValueSize];
    int n = 0;
    bool digit = false;
    for (int i = 0; i < length && n < kImportValueSize; ++i) {
        char c = text[i];
        if (IsBlank(static_cast<unsigned char>(c))) {
            c = ' ';
        } else if (!IsDigit(c) && std::strchr("+*#-().", c) == nullptr) {
            continue;
        }
        digit = digit || IsDigit(c);
        kept[n++] = c;
    }
    if (!digit) return NumberFit::kNoDigit;
    n = Squeeze(kept, n);
    if (n > kNumberFieldLimit) {
        int packed = 0;
        for (int i = 0; i < n; ++i) {
            if (kept[i] != ' ') kept[packed++] = kept[i];
        }
        n = packed;
    }
    if (n > kNumberFieldLimit) return NumberFit::kTooLong;
    std::memcpy(number, kept, n);
    number[n] = '\0';
    return NumberFit::kFits;
}

bool IsUtf8(const char* text, std::size_t length) {
    const auto* s = reinterpret_cast<const unsigned char*>(text);
    std::size_t i = 0;
    while (i < length) {
        const unsigned char lead = s[i];
        if (lead < 0x80) {
            ++i;
            continue;
        }
        std::size_t more;
        unsigned long least;
        if ((lead & 0xE0) == 0xC0) {
            more = 1;
            least = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            more = 2;
            least = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            more = 3;
            least = 0x10000;
        } else {
            return false;
        }
        if (length - i <= more) return false;
        unsigned long code = lead & (0x3Fu >> more);
        for (std::size_t k = 1; k <= more; ++k) {
            if ((s[i + k] & 0xC0) != 0x80) return false;
            code = code << 6 | (s[i + k] & 0x3Fu);
        }
        // Overlong forms, UTF-16 surrogates and code points past Unicode.
        if (code < least || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF) return false;
        i += more + 1;
    }
    return true;
}

int WithoutSplitCharacter(const char* text, int length) {
    int start = length;
    while (start > 0 && length - start < 3 && (static_cast<unsigned char>(text[start - 1]) & 0xC0) == 0x80) {
        --start;
    }
    if (start == 0) return length;
    const auto lead = static_cast<unsigned char>(text[start - 1]);
    const int size = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    return start - 1 + size > length ? start - 1 : length;
}

int TrimmedLength(const char* text, int length, int* start) {
    int s = 0;
    while (s < length && (text[s] == ' ' || text[s] == '\t')) ++s;
    while (length > s && (text[length - 1] == ' ' || text[length - 1] == '\t')) --length;
    *start = s;
    return length - s;
}

int CallCount(const char* text, int length) {
    long long value = 0;  // a tenth digit passes 32 bits before the check
    for (int i = 0; i < length; ++i) {
        if (!IsDigit(text[i])) return 0;
        value = value * 10 + (text[i] - '0');
        if (value > kMaxImportedCalls) return 0;
    }
    return static_cast<int>(value);
}

bool StartsWithNoCase(const char* text, int length, const char* prefix) {
    int i = 0;
    for (; prefix[i] != '\0'; ++i) {
        if (i == length || Fold(text[i]) != Fold(prefix[i])) return false;
    }
    return true;
}

bool EqualsNoCase(const char* text, int length, const char* word) {
    return static_cast<int>(std::strlen(word)) == length && StartsWithNoCase(text, length, word);
}

ImportEntry::ImportEntry(ImportHost& host, ContactTable& table, ImportCounts& counts)
    : host_(host),
      table_(table),
      counts_(counts),
      names_(),
      numbers_(),
      numberCount_(0),
      extraNumbers_(0),
      calls_(0) {}

int ImportEntry::Convert(const char* text, int length, TextCoding coding, char (&out)[kImportValueSize]) {
    bool convert = !coding.asIs;
    if (convert && coding.charset == nullptr) convert = !IsAscii(text, length) && IsUtf8(text, length);
    if (convert) {
        const int n = host_.ToAnsi(coding.charset != nullptr ? coding.charset : "UTF-8", text, length, out,
                                   kImportValueSize);
        if (n >= 0) {
            const int written = n < kImportValueSize ? n : kImportValueSize - 1;
            out[written] = '\0';
            return written;
        }
    }
    const int n = length < kImportValueSize ? length : kImportValueSize - 1;
    std::memcpy(out, text, n);
    out[n] = '\0';
    return n;
}

int ImportEntry::CutAtCharacter(const char* text, int length, int limit) {
    if (length <= limit) return length;
    int i = 0;
    while (i < limit) {
        const auto c = static_cast<unsigned char>(text[i]);
        const int size = c >= 0x80 && host_.IsLeadByte(c) ? 2 : 1;
        if (i + size > limit) break;
        i += size;
    }
    return i;
}

// A name may not begin with "#" (a comment line) or "[" (a section header).
void ImportEntry::CleanName(char* text, int length, char (&name)[kNameFieldLimit + 1]) {
    int n = Squeeze(text, length);
    int start = 0;
    while (start < n && (text[start] == '#' || text[start] == '[' || text[start] == ' ')) ++start;
    n = CutAtCharacter(text + start, n - start, kNameFieldLimit);
    std::memcpy(name, text + start, n);
    name[n] = '\0';
}

void ImportEntry::SetName(NameSource source, const char* text, int length, TextCoding coding) {
    if (names_[source][0] != '\0') return;
    char converted[kImportValueSize];
    CleanName(converted, Convert(text, length, coding, converted), names_[source]);
}

void ImportEntry::SetJoinedName(const TextPiece (&parts)[3], TextCoding coding) {
    char joined[kImportValueSize];
    int n = 0;
    for (const TextPiece& part : parts) {
        if (part.length == 0) continue;
        if (n > 0 && n < kImportValueSize) joined[n++] = ' ';
        const int room = kImportValueSize - n;
        const int length = part.length < room ? part.length : room;
        std::memcpy(joined + n, part.text, length);
        n += length;
    }
    SetName(kNameParts, joined, n, coding);
}

void ImportEntry::AddNumber(const char* text, int length, const char* type, int typeLength,
                            TextCoding coding) {
    char number[kNumberFieldLimit + 1];
    const NumberFit fit = CleanNumber(text, length, number);
    if (fit == NumberFit::kNoDigit) return;
    if (numberCount_ == kMaxEntryNumbers) {
        ++extraNumbers_;
        return;
    }
    Number& kept = numbers_[numberCount_++];
    kept.fits = fit == NumberFit::kFits;
    CopyText(kept.text, kept.fits ? number : "");

    char converted[kImportValueSize];
    int n = Squeeze(converted, Convert(type, typeLength, coding, converted));
    // Only single-byte letters fold: a second byte may look like one.
    for (int i = 0; i < n; ++i) {
        const auto c = static_cast<unsigned char>(converted[i]);
        if (c >= 0x80 && host_.IsLeadByte(c)) {
            ++i;
        } else {
            converted[i] = Fold(converted[i]);
        }
    }
    n = CutAtCharacter(converted, n, kTypeLimit);
    while (n > 0 && converted[n - 1] == ' ') --n;
    std::memcpy(kept.type, converted, n);
    kept.type[n] = '\0';
}

// Where the entry has more than one number, each name tells them apart by
// the number's type, else its place, with a counter where two would still be
// equal: "Ann Lee (cell)", "Ann Lee (2)", "Ann Lee (work 2)". A long name is
// cut before the bracket, never inside it.
void ImportEntry::MakeContactName(int n, bool numbered, int counter, char (&name)[kNameFieldLimit + 1]) {
    const Number& number = numbers_[n];
    const char* base = nullptr;
    for (const auto& candidate : names_) {
        if (candidate[0] != '\0') {
            base = candidate;
            break;
        }
    }
    char fromNumber[kNameFieldLimit + 1];
    if (base == nullptr) {
        char text[kNumberFieldLimit + 1];
        CopyText(text, number.text);
        CleanName(text, static_cast<int>(std::strlen(text)), fromNumber);
        base = fromNumber;
    }
    char place[12];
    std::snprintf(place, sizeof place, "%d", n + 1);
    const char* label = number.type[0] != '\0' ? number.type : place;
    char suffix[kTypeLimit + 16];
    int suffixLength = 0;
    if (numbered) {
        suffixLength = counter > 1 ? std::snprintf(suffix, sizeof suffix, " (%s %d)", label, counter)
                                   : std::snprintf(suffix, sizeof suffix, " (%s)", label);
    }
    int length = CutAtCharacter(base, static_cast<int>(std::strlen(base)), kNameFieldLimit - suffixLength);
    while (length > 0 && base[length - 1] == ' ') --length;
    std::memcpy(name, base, length);
    std::memcpy(name + length, suffix, suffixLength);
    name[length + suffixLength] = '\0';
}

void ImportEntry::AddToTable() {
    if (numberCount_ == 0) ++counts_.withoutNumber;
    counts_.didNotFit += extraNumbers_;
    // Every number is named, stored or not, so that a card imported again
    // after a change names its numbers as the first time.
    char names[kMaxEntryNumbers][kNameFieldLimit + 1];
    for (int n = 0; n < numberCount_; ++n) {
        for (int counter = 1; counter <= kMaxEntryNumbers; ++counter) {
            MakeContactName(n, numberCount_ > 1, counter, names[n]);
            int same = 0;
            while (same < n && std::strcmp(names[same], names[n]) != 0) ++same;
            if (same == n) break;
        }
        const Number& number = numbers_[n];
        if (!number.fits || table_.IsFull()) {
            ++counts_.didNotFit;
        } else if (table_.FindByDigitKey(DigitKey(number.text)) != kNoSlot) {
            ++counts_.alreadyThere;
        } else {
            Contact& contact = table_.NewSlot();
            CopyText(contact.name, names[n]);
            CopyText(contact.number, number.text);
            contact.calls = calls_;
            ++table_.count;
            ++counts_.added;
        }
    }
    for (auto& name : names_) name[0] = '\0';
    numberCount_ = 0;
    extraNumbers_ = 0;
}
