// contacts.txt: comment lines, a "[PhoneNumbers]" section and one
// "name, number, calls" line per contact. Standard C++ only; the message box
// and the final file replacement come from the platform through the host.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "contacts/ContactTable.h"

// Message box styles, with the values the Windows message box takes.
constexpr unsigned kMessageOk = 0x00000000u;
constexpr unsigned kMessageIconExclamation = 0x00000030u;

// What the contacts file needs from the platform.
class ContactsFileHost {
public:
    // A modal message box owned by the main window.
    virtual void ShowMessage(const char* text, const char* caption, unsigned style) = 0;
    // Puts the finished temporary file in the place of the target, replacing
    // any old one in a single step, durably; false when that failed.
    virtual bool MoveIntoPlace(const char* temporary, const char* target) = 0;
    // Writes what the system holds of an open file through to the disk;
    // false when that failed.
    virtual bool FlushToDisk(std::FILE* file) = 0;
    // True only when neither the file nor its folder exists. A file that
    // exists but cannot be opened (another program holds it, or it may not
    // be read) is not missing.
    virtual bool IsMissing(const char* path) = 0;
    // Sleeps between two tries to open a file that another program holds.
    virtual void WaitBeforeRetry(int milliseconds) = 0;
    // Reads the next block of the open contacts file, its length in *read
    // (0 at the end); false when the read failed. fread unless overridden.
    // Defined here: a key function in the library, built without RTTI, would
    // leave the class without type information for test hosts built with it.
    virtual bool ReadFileBlock(std::FILE* file, char* buffer, std::size_t capacity, std::size_t* read) {
        *read = std::fread(buffer, 1, capacity, file);
        return std::ferror(file) == 0;
    }
    // Creates the lock file only if it does not exist (CREATE_NEW), open
    // until ReleaseLock and deleted when closed; false when it exists or
    // cannot be made.
    virtual bool TryCreateLock(const char* path) = 0;
    // Seconds since the lock file was made; -1 when there is none.
    virtual int LockAgeSeconds(const char* path) = 0;
    // Deletes the lock file of a writer that is gone; false when that failed.
    virtual bool RemoveStaleLock(const char* path) = 0;
    // Closes the lock file this process made, which deletes it.
    virtual void ReleaseLock() = 0;

protected:
    ~ContactsFileHost() = default;
};

// Streams a text block by block. The text ends at the end of the data or at
// its first zero byte, whichever comes first.
class TextCursor {
public:
    static constexpr std::size_t kBlockSize = 64000;

    // Fills buffer with up to capacity bytes of the text; 0 at its end.
    using ReadBlock = std::size_t (*)(void* source, char* buffer, std::size_t capacity);

    TextCursor(ReadBlock read, void* source) : read_(read), source_(source) {}

    // The next character, or '\0' at the end of the text.
    char Peek() {
        if (next_ == end_ && !Refill()) return '\0';
        return *next_;
    }
    void Advance() { ++next_; }

private:
    bool Refill();

    ReadBlock read_;
    void* source_;
    char block_[kBlockSize];
    const char* next_ = block_;
    const char* end_ = block_;
    bool ended_ = false;
};

namespace ContactsFile {

constexpr char kFileName[] = "contacts.txt";
constexpr char kTemporaryFileName[] = "contacts.txt.new";
constexpr int kLineSize = 500;

// Steps over any run of CR and LF, then copies the line up to the next CR, LF
// or the end of the text. A line longer than 499 characters keeps its first
// 499; the rest of it is skipped. Returns the line's length: 0 only at the end.
int NextLine(TextCursor& position, char (&line)[kLineSize]);

// Fills an empty table from a text (as Read does after opening the file).
void Parse(TextCursor& text, ContactTable& table);
void ParseText(const char* text, std::size_t length, ContactTable& table);

// How reading the file went.
enum class ReadOutcome { kLoaded, kNoFile, kUnreadable };

// What a read saw of the file, to tell later whether anyone has changed it:
// its length and the 64-bit FNV-1a hash of all its bytes.
struct FileStamp {
    std::uint64_t length = 0;
    std::uint64_t hash = 14695981039346656037ull;

    void Add(const char* bytes, std::size_t n) {
        for (std::size_t i = 0; i < n; ++i)
            hash = (hash ^ static_cast<unsigned char>(bytes[i])) * 1099511628211ull;
        length += n;
    }
    bool operator==(const FileStamp& other) const { return length == other.length && hash == other.hash; }
};

// A longer file is left alone as unreadable: 500 records never come near it.
constexpr std::uint64_t kMaxFileBytes = 16ull * 1024 * 1024;

// A file that exists but cannot be opened is tried again for this long, in
// steps of kOpenRetryStepMs: another program often holds it only briefly.
constexpr int kOpenRetryTotalMs = 2000;
constexpr int kOpenRetryStepMs = 100;

// Opens a file of the current directory for reading, trying one that exists
// but cannot be opened again for kOpenRetryTotalMs. nullptr, with `failure`
// set to kNoFile or kUnreadable, when it could not be opened.
std::FILE* OpenToRead(const char* path, ContactsFileHost& host, ReadOutcome* failure);

// Fills an open file, brings it to the disk and closes it; false when a step
// failed. `fill(file)` writes the content and says whether it could.
template <typename Fill>
bool WriteToDisk(std::FILE* file, ContactsFileHost& host, Fill fill) {
    const bool written = fill(file) && std::fflush(file) == 0 && host.FlushToDisk(file);
    return std::fclose(file) == 0 && written;
}

// What ReplaceThroughTemporary does where no temporary file can be made
// beside the target (a folder that is not writable while the file is).
enum class WithoutTemporary { kFail, kRewriteInPlace };

// Writes `target` afresh through `temporary` beside it, which is on the disk
// before it replaces the old file in one step, so that neither a failed write
// nor a power cut can leave a damaged file. False, with any old file whole
// and no temporary left behind, when a step failed.
template <typename Fill>
bool ReplaceThroughTemporary(const char* temporary, const char* target, ContactsFileHost& host, Fill fill,
                             WithoutTemporary without = WithoutTemporary::kFail) {
    std::FILE* file = std::fopen(temporary, "wb");
    if (file == nullptr) {
        if (without == WithoutTemporary::kFail) return false;
        std::FILE* inPlace = std::fopen(target, "wb");
        return inPlace != nullptr && WriteToDisk(inPlace, host, fill);
    }
    const bool saved = WriteToDisk(file, host, fill) && host.MoveIntoPlace(temporary, target);
    if (!saved) std::remove(temporary);
    return saved;
}

// Shown with the caption "ERROR" when the file exists but cannot be read.
constexpr char kUnreadableMessage[] =
    "Can not read contacts.txt!\n"
    "It is left as it is, and changes made now will not be saved.";

// Loads kFileName from the current directory, with no message. A file that
// exists but cannot be opened, even after kOpenRetryTotalMs, whose read
// fails part-way or that is longer than kMaxFileBytes leaves the table empty:
// kUnreadable. The stamp is that of the bytes read.
ReadOutcome ReadQuietly(ContactTable& table, ContactsFileHost& host, FileStamp& stamp);

// ReadQuietly at start: without a file the host shows the INFO message, and
// an unreadable one the ERROR message.
ReadOutcome Read(ContactTable& table, ContactsFileHost& host, FileStamp* stamp = nullptr);

// Formats the whole file, banner included, for the stored contacts. The sink
// gets consecutive pieces of text; it returns false to stop the write.
using WriteSink = bool (*)(void* sink, const char* bytes, std::size_t length);
bool Format(const ContactTable& table, WriteSink write, void* sink);

// Rewrites kFileName through a temporary file that is on the disk before it
// replaces the old one, so that neither a failed write nor a power cut can
// leave a damaged file. Where no temporary file can be made beside it (a
// folder that is not writable while the file is), kFileName is rewritten in
// place instead. False on any failure. `written` receives the stamp of the
// bytes written.
bool WriteQuietly(const ContactTable& table, ContactsFileHost& host, FileStamp& written);

// WriteQuietly whose failure the host shows with kCannotSaveMessage and the
// caption "ERROR".
constexpr char kCannotSaveMessage[] = "Can not open contacts.txt!";
bool Write(const ContactTable& table, ContactsFileHost& host);

}  // namespace ContactsFile
