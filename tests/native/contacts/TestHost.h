// A contacts-file host for tests: records every message box and replaces
// files with rename(), which on Linux replaces the target in one step.
#pragma once

#include <unistd.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "contacts/ContactsFile.h"
#include "tests/common/ContactsText.h"

struct ShownMessage {
    std::string text;
    std::string caption;
    unsigned style;
};

class TestHost : public ContactsFileHost {
public:
    void ShowMessage(const char* text, const char* caption, unsigned style) override {
        messages.push_back({text, caption, style});
    }
    bool MoveIntoPlace(const char* temporary, const char* target) override {
        ++replaces;
        steps += "replace ";
        if (failReplace) return false;
        return std::rename(temporary, target) == 0;
    }

    bool FlushToDisk(std::FILE* file) override {
        steps += "flush ";
        return !failFlush && fsync(fileno(file)) == 0;
    }

    std::vector<ShownMessage> messages;
    std::string steps;  // flushes and replaces, in order
    int replaces = 0;
    bool failReplace = false;
    bool failFlush = false;
};

// Copies text into a slot field, truncating to the field; always terminated.
template <int N>
void CopyField(char (&field)[N], const char* text) {
    int i = 0;
    for (; i < N - 1 && text[i] != '\0'; ++i) field[i] = text[i];
    for (; i < N; ++i) field[i] = '\0';
}
