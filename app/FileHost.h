// The file system under the contacts file and the call log on Windows: the
// replacement of a file in one step, the flush through to the disk, the lock
// file that makes one writer at a time also across machines, and the cheap
// look at whether someone else wrote the contacts file.
#pragma once

#include "contacts/ContactsFile.h"
#include "framework/Win32.h"

class CFileHost : public ContactsFileHost {
public:
    CFileHost() = default;
    ~CFileHost();
    CFileHost(const CFileHost&) = delete;
    CFileHost& operator=(const CFileHost&) = delete;

    // The window that owns the messages; while quiet (the end of the
    // session), no message shows.
    void SetOwner(HWND owner) { owner_ = owner; }
    void SetQuiet(bool quiet) { quiet_ = quiet; }

    void ShowMessage(const char* text, const char* caption, unsigned style) override;
    bool MoveIntoPlace(const char* temporary, const char* target) override;
    bool FlushToDisk(std::FILE* file) override;
    bool IsMissing(const char* path) override;
    void WaitBeforeRetry(int milliseconds) override;
    bool TryCreateLock(const char* path) override;
    int LockAgeSeconds(const char* path) override;
    bool RemoveStaleLock(const char* path) override;
    void ReleaseLock() override;

private:
    HWND owner_ = nullptr;
    bool quiet_ = false;
    HANDLE lock_ = INVALID_HANDLE_VALUE;
};

// A file's size and last write time: what a look every few seconds compares,
// without reading the file.
class FileIdentity {
public:
    explicit FileIdentity(const char* path) : path_(path) {}
    // True when the file's size or last write differ from the last look.
    bool Changed();
    // Takes the file as it is now as seen.
    void Remember() { Look(&seen_); }

private:
    struct Seen {
        bool exists;
        DWORD sizeLow, sizeHigh;
        FILETIME written;
    };
    void Look(Seen* seen) const;

    const char* path_;
    Seen seen_{};
};
