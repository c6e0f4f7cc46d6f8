// An export host for the tests and the benchmark: the code page is Latin-1,
// each byte the character of the same number, but for the euro sign at 0x80
// as in Windows-1252.
#pragma once

#include "export/ContactsExport.h"

class Latin1ExportHost : public ExportHost {
public:
    int ToUtf8(const char* text, int length, char* out, int outSize) override {
        int n = 0;
        for (int i = 0; i < length && n + 3 < outSize; ++i) {
            const auto c = static_cast<unsigned char>(text[i]);
            if (c == 0x80) out[n++] = '\xE2';
            if (c >= 0x80) out[n++] = static_cast<char>(c == 0x80 ? 0x82 : 0xC0 | c >> 6);
            out[n++] = static_cast<char>(c < 0x80 ? c : c == 0x80 ? 0xAC : 0x80 | (c & 0x3F));
        }
        out[n] = '\0';
        return n;
    }
};
