// What the file benchmarks share: a contacts-file host whose flush returns at
// once (the disk's speed is not the code's) and that must never show a box or
// wait, and a scratch folder made current, since the files' names are fixed.
#pragma once

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "contacts/ContactsFile.h"

class QuietHost : public ContactsFileHost {
public:
    void ShowMessage(const char*, const char*, unsigned) override { std::abort(); }
    bool MoveIntoPlace(const char* temporary, const char* target) override {
        return std::rename(temporary, target) == 0;
    }
    bool FlushToDisk(std::FILE*) override { return true; }
    bool IsMissing(const char* path) override { return access(path, F_OK) != 0; }
    void WaitBeforeRetry(int) override { std::abort(); }
    bool TryCreateLock(const char*) override { return true; }
    int LockAgeSeconds(const char*) override { std::abort(); }
    bool RemoveStaleLock(const char*) override { std::abort(); }
    void ReleaseLock() override {}
};

struct ScratchDirectory {
    ScratchDirectory() {
        if (mkdtemp(path) == nullptr || getcwd(previous, sizeof previous) == nullptr || chdir(path) != 0)
            std::abort();
    }
    ~ScratchDirectory() {
        if (chdir(previous) != 0 || std::system((std::string("rm -rf ") + path).c_str()) != 0) std::abort();
    }
    char path[32] = "/tmp/tollwick-bench-XXXXXX";
    char previous[4096];
};
