#include "app/FileHost.h"

#include <io.h>

CFileHost::~CFileHost() {
    ReleaseLock();
}

void CFileHost::ShowMessage(const char* text, const char* caption, unsigned style) {
    if (quiet_) return;  // nothing may hold up the end of the session
    ::MessageBoxA(owner_, text, caption, style);
}

bool CFileHost::MoveIntoPlace(const char* temporary, const char* target) {
    return ::MoveFileExA(temporary, target, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
}

bool CFileHost::FlushToDisk(std::FILE* file) {
    return ::FlushFileBuffers(reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file)))) != FALSE;
}

bool CFileHost::IsMissing(const char* path) {
    if (::GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES) return false;
    const DWORD error = ::GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

void CFileHost::WaitBeforeRetry(int milliseconds) {
    ::Sleep(static_cast<DWORD>(milliseconds));
}

// Deleted when closed, so that a crash leaves no lock behind on a local
// disk; on a network share a crashed machine's lock goes stale instead.
bool CFileHost::TryCreateLock(const char* path) {
    ReleaseLock();
    lock_ = ::CreateFileA(path, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr, CREATE_NEW,
                          FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    return lock_ != INVALID_HANDLE_VALUE;
}

int CFileHost::LockAgeSeconds(const char* path) {
    WIN32_FILE_ATTRIBUTE_DATA lock;
    if (!::GetFileAttributesExA(path, GetFileExInfoStandard, &lock)) return -1;
    FILETIME now;
    ::GetSystemTimeAsFileTime(&now);
    const auto ticks = [](const FILETIME& t) {
        return (static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
    };
    const unsigned long long made = ticks(lock.ftCreationTime) > ticks(lock.ftLastWriteTime)
                                        ? ticks(lock.ftCreationTime)
                                        : ticks(lock.ftLastWriteTime);
    // A clock of another machine ahead of ours makes a lock from the future:
    // young, not stale.
    return ticks(now) > made ? static_cast<int>((ticks(now) - made) / 10000000ull) : 0;
}

bool CFileHost::RemoveStaleLock(const char* path) {
    return ::DeleteFileA(path) != FALSE;
}

void CFileHost::ReleaseLock() {
    if (lock_ == INVALID_HANDLE_VALUE) return;
    ::CloseHandle(lock_);
    lock_ = INVALID_HANDLE_VALUE;
}

void FileIdentity::Look(Seen* seen) const {
    WIN32_FILE_ATTRIBUTE_DATA data;
    *seen = Seen{};
    if (!::GetFileAttributesExA(path_, GetFileExInfoStandard, &data)) return;
    *seen = {true, data.nFileSizeLow, data.nFileSizeHigh, data.ftLastWriteTime};
}

bool FileIdentity::Changed() {
    Seen now;
    Look(&now);
    return now.exists != seen_.exists || now.sizeLow != seen_.sizeLow || now.sizeHigh != seen_.sizeHigh ||
           ::CompareFileTime(&now.written, &seen_.written) != 0;
}
