// A contacts-file host for tests: records every message box, flush and
// replace, and replaces files with rename(), which on Linux replaces the
// target in one step.
#pragma once

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "contacts/ContactsFile.h"
#include "tests/common/ContactsText.h"

class TestHost : public ContactsFileHost {
public:
    void ShowMessage(const char* text, const char* caption, unsigned style) override {
        messages.push_back(std::string(text) + "|" + caption + "|" + std::to_string(style));
    }
    bool MoveIntoPlace(const char* temporary, const char* target) override {
        steps += "replace ";
        return !failReplace && std::rename(temporary, target) == 0;
    }
    bool FlushToDisk(std::FILE* file) override {
        steps += "flush ";
        return !failFlush && fsync(fileno(file)) == 0;
    }
    bool IsMissing(const char* path) override {
        struct stat status;
        return lstat(path, &status) != 0 && errno == ENOENT;
    }
    // Runs `onWait`, if set, in place of the pause.
    void WaitBeforeRetry(int milliseconds) override {
        waitedMs += milliseconds;
        if (onWait) onWait();
    }
    // With failReadAfter set, the file reads that many bytes and then fails.
    bool ReadFileBlock(std::FILE* file, char* buffer, std::size_t capacity, std::size_t* read) override {
        if (failReadAfter < 0) return ContactsFileHost::ReadFileBlock(file, buffer, capacity, read);
        *read = std::fread(buffer, 1, capacity < std::size_t(failReadAfter) ? capacity : failReadAfter, file);
        failReadAfter -= static_cast<long>(*read);
        return *read > 0;
    }
    // Another writer's lock file, `lockAge` seconds old (-1: none).
    bool TryCreateLock(const char*) override {
        if (lockAge < 0) steps += "lock ";
        return lockAge < 0;
    }
    int LockAgeSeconds(const char*) override { return lockAge; }
    bool RemoveStaleLock(const char*) override {
        steps += "remove ";
        lockAge = -1;
        return true;
    }
    void ReleaseLock() override { steps += "release "; }

    std::vector<std::string> messages;  // "text|caption|style"
    std::string steps;                  // flushes and replaces, in order
    bool failReplace = false;
    bool failFlush = false;
    int waitedMs = 0;
    long failReadAfter = -1;
    int lockAge = -1;
    std::function<void()> onWait;
};

// Copies text into a slot field, truncating to the field; always terminated.
template <int N>
void CopyField(char (&field)[N], const char* text) {
    int i = 0;
    for (; i < N - 1 && text[i] != '\0'; ++i) field[i] = text[i];
    for (; i < N; ++i) field[i] = '\0';
}
