#include <cstring>

#include "import/AddressBookReaders.h"

namespace {

constexpr int kHeaderSize = 256;
constexpr int kCharsetSize = 40;

// The properties a contact is made of; the rest are read past.
enum class PropertyName {
    kOther,
    kBegin,
    kEnd,
    kFullName,
    kNameParts,
    kOrganization,
    kPhone,
    kProductId,
    kCalls,  // Tollwick's own export's X-TOLLWICK-CALLS
};

// The PRODID of the cards Tollwick itself writes, which alone carry calls.
constexpr char kTollwickProductId[] = "-//Tollwick//Tollwick Export//EN";

// What a property's name and parameters say about its value.
struct Property {
    PropertyName name;
    bool quotedPrintable;
    bool base64;
    bool uri;
    char charset[kCharsetSize];  // empty when the file names none
    char type[kHeaderSize];      // the types that tell numbers apart, a space between
    int typeLength;
    char value[kImportValueSize];
    int valueLength;
    bool valueCut;
};

bool IsLineBreak(char c) {
    return c == '\r' || c == '\n';
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Replaces each "<escape>XX" of two hex digits by its byte, in place; any
// other escape character stays as it is.
int DecodeHex(char* text, int length, char escape) {
    int n = 0;
    for (int i = 0; i < length; ++i) {
        if (text[i] == escape && i + 2 < length && HexValue(text[i + 1]) >= 0 && HexValue(text[i + 2]) >= 0) {
            text[n++] = static_cast<char>(HexValue(text[i + 1]) * 16 + HexValue(text[i + 2]));
            i += 2;
        } else {
            text[n++] = text[i];
        }
    }
    return n;
}

// "\n" and "\N" are a line break; "\\", "\," and "\;" the character itself.
int Unescape(const char* text, int length, char* out) {
    int n = 0;
    for (int i = 0; i < length; ++i) {
        char c = text[i];
        if (c == '\\' && i + 1 < length) {
            const char next = text[i + 1];
            if (next == 'n' || next == 'N') {
                c = '\n';
                ++i;
            } else if (next == '\\' || next == ',' || next == ';') {
                c = next;
                ++i;
            }
        }
        out[n++] = c;
    }
    return n;
}

// Part `index` of a value whose parts are separated by unescaped ";",
// unescaped into out; an absent part is empty.
int Component(const char* text, int length, int index, char* out) {
    int part = 0;
    int start = 0;
    for (int i = 0; i <= length; ++i) {
        if (i == length || text[i] == ';') {
            if (part == index) return Unescape(text + start, i - start, out);
            ++part;
            start = i + 1;
        } else if (text[i] == '\\' && i + 1 < length) {
            ++i;
        }
    }
    return 0;
}

// One parameter value item: "cell" of TYPE=cell,voice, or 2.1's bare CELL.
enum class ItemOf { kType, kValue, kEncoding, kBare };

void TakeItem(ItemOf kind, const char* text, int length, Property& property) {
    int start;
    length = TrimmedLength(text, length, &start);
    const char* item = text + start;
    if (kind == ItemOf::kValue) {
        property.uri = property.uri || EqualsNoCase(item, length, "uri");
        return;
    }
    if (kind != ItemOf::kType) {
        if (EqualsNoCase(item, length, "quoted-printable")) {
            property.quotedPrintable = true;
            return;
        }
        if (EqualsNoCase(item, length, "b") || EqualsNoCase(item, length, "base64")) {
            property.base64 = true;
            return;
        }
        if (kind == ItemOf::kEncoding || EqualsNoCase(item, length, "8bit") ||
            EqualsNoCase(item, length, "7bit")) {
            return;
        }
    }
    // Preference and the kind of line tell no two numbers of a card apart.
    if (length == 0 || EqualsNoCase(item, length, "pref") || EqualsNoCase(item, length, "voice") ||
        EqualsNoCase(item, length, "internet") || StartsWithNoCase(item, length, "x-")) {
        return;
    }
    // "home fax" and "work fax": every type word, in the card's order.
    const int space = property.typeLength > 0 ? 1 : 0;
    if (property.typeLength + space + length > kHeaderSize) return;
    if (space > 0) property.type[property.typeLength++] = ' ';
    std::memcpy(property.type + property.typeLength, item, length);
    property.typeLength += length;
}

// Each comma-separated item of a parameter value, quotes dropped.
void TakeItems(ItemOf kind, const char* text, int length, Property& property) {
    char item[kHeaderSize];
    int n = 0;
    for (int i = 0; i <= length; ++i) {
        if (i == length || text[i] == ',') {
            TakeItem(kind, item, n, property);
            n = 0;
        } else if (text[i] != '"') {
            item[n++] = text[i];
        }
    }
}

void TakeParameter(const char* text, int length, Property& property) {
    const char* equals = static_cast<const char*>(std::memchr(text, '=', length));
    if (equals == nullptr) {
        TakeItems(ItemOf::kBare, text, length, property);
        return;
    }
    int start;
    const int nameLength = TrimmedLength(text, static_cast<int>(equals - text), &start);
    const char* name = text + start;
    const char* value = equals + 1;
    const int valueLength = static_cast<int>(text + length - value);
    if (EqualsNoCase(name, nameLength, "type")) {
        TakeItems(ItemOf::kType, value, valueLength, property);
    } else if (EqualsNoCase(name, nameLength, "value")) {
        TakeItems(ItemOf::kValue, value, valueLength, property);
    } else if (EqualsNoCase(name, nameLength, "encoding")) {
        TakeItems(ItemOf::kEncoding, value, valueLength, property);
    } else if (EqualsNoCase(name, nameLength, "charset")) {
        int n = 0;
        for (int i = 0; i < valueLength && n < kCharsetSize - 1; ++i) {
            if (value[i] != '"' && value[i] != ' ') property.charset[n++] = value[i];
        }
        property.charset[n] = '\0';
    }
}

// "item1.TEL;TYPE=cell;ENCODING=QUOTED-PRINTABLE": the name without its
// group, then each parameter.
void ParseHeader(const char* header, int length, Property& property) {
    property.quotedPrintable = property.base64 = property.uri = false;
    property.charset[0] = '\0';
    property.typeLength = 0;

    int end = 0;
    while (end < length && header[end] != ';') ++end;
    int start = end;
    while (start > 0 && header[start - 1] != '.') --start;
    const char* name = header + start;
    const int nameLength = end - start;
    property.name = EqualsNoCase(name, nameLength, "begin")              ? PropertyName::kBegin
                    : EqualsNoCase(name, nameLength, "end")              ? PropertyName::kEnd
                    : EqualsNoCase(name, nameLength, "fn")               ? PropertyName::kFullName
                    : EqualsNoCase(name, nameLength, "n")                ? PropertyName::kNameParts
                    : EqualsNoCase(name, nameLength, "org")              ? PropertyName::kOrganization
                    : EqualsNoCase(name, nameLength, "tel")              ? PropertyName::kPhone
                    : EqualsNoCase(name, nameLength, "prodid")           ? PropertyName::kProductId
                    : EqualsNoCase(name, nameLength, "x-tollwick-calls") ? PropertyName::kCalls
                                                                         : PropertyName::kOther;
    // Every property's parameters count: a quoted-printable value the
    // contact does not take still joins its lines.
    bool quoted = false;
    for (int i = end + 1, from = end + 1; i <= length; ++i) {
        if (i < length && header[i] == '"') quoted = !quoted;
        if (i == length || (header[i] == ';' && !quoted)) {
            TakeParameter(header + from, i - from, property);
            from = i + 1;
        }
    }
}

// Content lines with their folds undone: a line break followed by a space
// or a tab goes on with the line, and in quoted-printable text a "=" at the
// end of a line joins the next one.
class ContentLines {
public:
    ContentLines(const char* next, const char* end) : next_(next), end_(end) {}

    bool AtEnd() const { return next_ == end_; }

    // The next character of the current line; false at its end, which it
    // steps over.
    bool Next(char* c, bool softBreaks) {
        while (next_ != end_) {
            if (IsLineBreak(*next_)) {
                const char* after = PastBreak(next_);
                if (after == end_ || (*after != ' ' && *after != '\t')) {
                    next_ = after;
                    return false;
                }
                next_ = after + 1;
            } else if (softBreaks && *next_ == '=' && next_ + 1 != end_ && IsLineBreak(next_[1])) {
                next_ = PastBreak(next_ + 1);
            } else {
                *c = *next_++;
                return true;
            }
        }
        return false;
    }

private:
    const char* PastBreak(const char* lineBreak) const {
        const char* after = lineBreak + 1;
        if (*lineBreak == '\r' && after != end_ && *after == '\n') ++after;
        return after;
    }

    const char* next_;
    const char* end_;
};

// Reads the next content line; false at the end of the text. Values of
// properties no contact takes are read past without being kept.
bool ReadProperty(ContentLines& lines, Property& property) {
    if (lines.AtEnd()) return false;
    char header[kHeaderSize];
    int headerLength = 0;
    bool quoted = false;
    bool hasValue = false;
    char c;
    while (lines.Next(&c, false)) {
        if (c == ':' && !quoted) {
            hasValue = true;
            break;
        }
        if (c == '"') quoted = !quoted;
        if (headerLength < kHeaderSize) header[headerLength++] = c;
    }
    property.valueLength = 0;
    property.valueCut = false;
    if (!hasValue) {
        property.name = PropertyName::kOther;
        return true;
    }
    ParseHeader(header, headerLength, property);
    const bool kept = property.name != PropertyName::kOther;
    while (lines.Next(&c, property.quotedPrintable)) {
        if (!kept) continue;
        if (property.valueLength < kImportValueSize) {
            property.value[property.valueLength++] = c;
        } else {
            property.valueCut = true;
        }
    }
    return true;
}

bool IsVCard(const Property& property) {
    int start;
    const int length = TrimmedLength(property.value, property.valueLength, &start);
    return EqualsNoCase(property.value + start, length, "vcard");
}

// A tel: URI ("tel:+1-555-555-0100;ext=7") gives the number before its
// parameters; a text value may hold escapes.
int NumberText(Property& property) {
    char* value = property.value;
    int length = property.valueLength;
    const bool telUri = StartsWithNoCase(value, length, "tel:");
    if (!property.uri && !telUri) return Unescape(value, length, value);
    if (telUri) {
        std::memmove(value, value + 4, length - 4);
        length -= 4;
    }
    const char* parameters = static_cast<const char*>(std::memchr(value, ';', length));
    if (parameters != nullptr) length = static_cast<int>(parameters - value);
    return DecodeHex(value, length, '%');
}

// What a card of Tollwick's own export adds to its contacts.
struct CardCalls {
    bool fromTollwick;
    bool counted;
    int calls;
};

void TakeProperty(Property& property, ImportEntry& entry, CardCalls& card) {
    if (property.base64) return;
    if (property.quotedPrintable) property.valueLength = DecodeHex(property.value, property.valueLength, '=');
    if (property.valueCut) property.valueLength = WithoutSplitCharacter(property.value, property.valueLength);
    const TextCoding coding{property.charset[0] != '\0' ? property.charset : nullptr, false};
    const char* value = property.value;
    const int length = property.valueLength;
    char text[kImportValueSize];
    switch (property.name) {
        case PropertyName::kFullName:
            entry.SetName(ImportEntry::kFullName, text, Unescape(value, length, text), coding);
            break;
        case PropertyName::kNameParts: {
            // family;given;additional;prefix;suffix
            char given[kImportValueSize];
            char additional[kImportValueSize];
            const TextPiece parts[3] = {{given, Component(value, length, 1, given)},
                                        {additional, Component(value, length, 2, additional)},
                                        {text, Component(value, length, 0, text)}};
            entry.SetJoinedName(parts, coding);
            break;
        }
        case PropertyName::kOrganization:
            entry.SetName(ImportEntry::kOrganization, text, Component(value, length, 0, text), coding);
            break;
        case PropertyName::kPhone: {
            const int n = NumberText(property);
            entry.AddNumber(property.value, n, property.type, property.typeLength,
                            TextCoding{nullptr, false});
            break;
        }
        case PropertyName::kProductId:
            card.fromTollwick = card.fromTollwick || (length == sizeof kTollwickProductId - 1 &&
                                                      std::memcmp(value, kTollwickProductId, length) == 0);
            break;
        case PropertyName::kCalls:
            if (!card.counted) card.calls = CallCount(value, length);
            card.counted = true;
            break;
        default: break;
    }
}

// Stores the card's contacts, with calls only where Tollwick wrote the card.
void EndCard(ImportEntry& entry, CardCalls& card) {
    entry.SetCalls(card.fromTollwick ? card.calls : 0);
    entry.AddToTable();
    card = CardCalls{};
}

}  // namespace

ImportResult ReadVCards(const char* data, std::size_t size, ImportEntry& entry) {
    ContentLines lines(data, data + size);
    Property property;
    CardCalls card{};
    bool inCard = false;
    bool anyCard = false;
    while (ReadProperty(lines, property)) {
        if (property.name == PropertyName::kBegin && IsVCard(property)) {
            // A card left open ends where the next begins.
            if (inCard) EndCard(entry, card);
            inCard = anyCard = true;
        } else if (property.name == PropertyName::kEnd && IsVCard(property)) {
            if (inCard) EndCard(entry, card);
            inCard = false;
        } else if (inCard) {
            TakeProperty(property, entry, card);
        }
    }
    if (inCard) EndCard(entry, card);
    return anyCard ? ImportResult::kImported : ImportResult::kNotAnAddressBook;
}
