#include "handover/Arguments.h"

#include <cstring>

#include "import/AddressBookImport.h"
#include "import/ImportEntry.h"

namespace {

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    c = Lower(c);
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// The characters a number may show, as a stored contact's may.
bool IsNumberCharacter(char c) {
    return (c >= '0' && c <= '9') || std::strchr(" +*#-().", c) != nullptr;
}

// Copies the URI's number up to its parameters, decoding %XX; false for a
// broken escape.
bool DecodeTelUri(const char* uri, char (&number)[kArgumentNumberSize]) {
    std::size_t out = 0;
    for (const char* p = uri; *p != '\0' && *p != ';' && out < kArgumentNumberSize - 1; ++p) {
        if (*p != '%') {
            number[out++] = *p;
            continue;
        }
        const int high = HexValue(p[1]), low = high < 0 ? -1 : HexValue(p[2]);
        if (low < 0) return false;
        number[out++] = static_cast<char>(high * 16 + low);
        p += 2;
    }
    number[out] = '\0';
    return true;
}

bool IsPlainNumber(const char* text) {
    bool digit = false;
    for (const char* p = text; *p != '\0'; ++p) {
        if (!IsNumberCharacter(*p)) return false;
        digit = digit || (*p >= '0' && *p <= '9');
    }
    return digit;
}

// Drops the spaces around a number, which quoting on a command line leaves.
void Trim(char (&number)[kArgumentNumberSize]) {
    std::size_t start = 0, end = std::strlen(number);
    while (number[start] == ' ') ++start;
    while (end > start && number[end - 1] == ' ') --end;
    std::memmove(number, number + start, end - start);
    number[end - start] = '\0';
}

}  // namespace

ArgumentKind ReadArgument(const char* argument, char (&number)[kArgumentNumberSize]) {
    number[0] = '\0';
    const std::size_t length = std::strlen(argument);
    if (length > kMaxHandoverArgumentLength) return ArgumentKind::kUnknown;
    if (StartsWithNoCase(argument, static_cast<int>(length), "tel:")) {
        if (DecodeTelUri(argument + 4, number) && IsPlainNumber(number)) {
            Trim(number);
            return ArgumentKind::kNumber;
        }
        number[0] = '\0';
        return ArgumentKind::kUnknown;
    }
    if (IsPlainNumber(argument)) {
        std::memcpy(number, argument, length + 1);
        Trim(number);
        return ArgumentKind::kNumber;
    }
    if (KindOfPath(argument) != AddressBookKind::kNone) return ArgumentKind::kAddressBook;
    return ArgumentKind::kUnknown;
}
