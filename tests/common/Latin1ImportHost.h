// An import host for the tests, the fuzz target and the benchmark: the code
// page is Latin-1, UTF-8 converts to it with "?" for the rest, and ISO-8859-15
// with "?" for its euro sign. With `doubleByte`, bytes 0x81-0x9F stand for
// lead bytes of a double-byte code page.
#pragma once

#include <cstring>

#include "import/AddressBookImport.h"

class Latin1ImportHost : public ImportHost {
public:
    int ToAnsi(const char* charset, const char* text, int length, char* out, int outSize) override {
        const bool latin9 = std::strcmp(charset, "ISO-8859-15") == 0;
        if (std::strcmp(charset, "UTF-8") != 0 && !latin9) return -1;
        int n = 0;
        for (int i = 0; i < length && n < outSize - 1; ++i) {
            unsigned code = static_cast<unsigned char>(text[i]);
            if (latin9) {
                code = code == 0xA4 ? '?' : code;
            } else if (code >= 0xC0) {
                const int more = code >= 0xF0 ? 3 : code >= 0xE0 ? 2 : 1;
                code &= 0x3F >> more;
                for (int k = 0; k < more && i + 1 < length; ++k) code = code << 6 | (text[++i] & 0x3F);
            }
            out[n++] = static_cast<char>(code <= 0xFF ? code : '?');
        }
        out[n] = '\0';
        return n;
    }
    bool IsLeadByte(unsigned char byte) override { return doubleByte && byte >= 0x81 && byte <= 0x9F; }

    bool doubleByte = false;
};
