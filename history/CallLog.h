// The call log: calls.txt beside contacts.txt gains one line for every call
// request, "2026-12-07 14:03<TAB>number<TAB>name<TAB>result" and CR LF, and is
// read back into a fixed log of the latest calls. Tabs separate the fields
// because a name typed into a dialog can hold any other character, while the
// Tab key moves the focus instead. Standard C++ only; flushing and replacing
// the file come from the platform through the contacts file's host.
#pragma once

#include <cstddef>
#include <cstdint>

#include "contacts/ContactsFile.h"
#include "dialpad/NumberEntry.h"

constexpr int kCallNumberChars = kDialNumberMaxTyped;
constexpr int kCallNameChars = 50;
constexpr int kCallResultChars = 40;
constexpr int kCallTimeChars = 16;
constexpr int kCallLineSize = kCallTimeChars + kCallNumberChars + kCallNameChars + kCallResultChars + 6;

// The file keeps the latest kCallsKept calls; it is cut back to them once it
// holds more than kCallLinesBeforeTrim lines, rather than rewritten at every call.
constexpr int kCallsKept = 1000;
constexpr int kCallLinesBeforeTrim = 1100;

// Local time to the minute.
struct CallTime {
    int year, month, day, hour, minute;
};

// One call request as the log keeps it.
struct CallEntry {
    CallTime when;
    char number[kCallNumberChars + 1];
    char name[kCallNameChars + 1];      // empty for a number no contact has
    char result[kCallResultChars + 1];  // empty when Assisted Telephony took the request
};

// Fills an entry from a call request as it was sent: the "NoName" of an
// unknown number becomes an empty name, the result its error name, and
// texts too long for their fields are cut.
void MakeCallEntry(const CallTime& when, const char* number, const char* calledParty, std::int32_t result,
                   CallEntry& entry);

// One entry's line with its CR LF; 0 when its time is no real time. Tabs and
// other control characters in a field become spaces, so that the line reads
// back as it was written.
int FormatCallLine(const CallEntry& entry, char (&line)[kCallLineSize]);

// The latest calls, oldest first, and how many lines their file holds.
struct CallLog {
    CallEntry entries[kCallsKept];
    int count = 0;
    int fileLines = 0;

    // Appends an entry; when the log is full the oldest one makes room.
    void Add(const CallEntry& entry);
    // Takes out the entry at `index`, as the history window deletes one.
    void Remove(int index);
};

// Fills the log from a file's text of any bytes: the last kCallsKept lines
// that are well formed, in order. A line with the wrong number of fields,
// an overlong field, a control character or a time that does not exist is
// skipped, as is a last line without its line end, which a crash cut short.
void ParseCallLog(const char* text, std::size_t length, CallLog& log);

namespace CallsFile {

constexpr char kFileName[] = "calls.txt";
constexpr char kTemporaryFileName[] = "calls.txt.new";

// Loads kFileName from the current directory as ContactsFile::Read does,
// trying a file held by another program again for a while, but without a
// message: the caller says what an unreadable file means.
ContactsFile::ReadOutcome Read(CallLog& log, ContactsFileHost& host);

enum class AppendOutcome { kAppended, kTornEnd, kFailed };

// Adds a line at the end of kFileName, creating it if needed, and brings it
// to the disk. Nothing already in the file is ever changed: a file whose last
// line lacks its line end is left alone as kTornEnd.
AppendOutcome Append(const char* line, int length, ContactsFileHost& host);

// Rewrites kFileName with the log through a temporary file that is on the
// disk before it replaces the old one; false, with the old file left whole,
// when any step failed.
bool Write(const CallLog& log, ContactsFileHost& host);

}  // namespace CallsFile

// The call log's file over one run of the window: read once at the start,
// and never written in a run whose start could not read it, so that a log
// that could not be read is never replaced or lengthened by this run.
class CallLogKeeper {
public:
    // Reads the file at the start of the run and notes whether it may be written.
    void Load(CallLog& log, ContactsFileHost& host) {
        maySave_ = CallsFile::Read(log, host) != ContactsFile::ReadOutcome::kUnreadable;
    }
    // Adds a call to the log and to the end of the file, cutting the file
    // back to the latest kCallsKept once it grows past kCallLinesBeforeTrim
    // lines; a file whose last line was cut short is rewritten from the log
    // instead. True when the call is on the disk.
    bool Record(CallLog& log, const CallEntry& entry, ContactsFileHost& host);
    // Rewrites the file after entries were deleted or all cleared; true when saved.
    bool Save(CallLog& log, ContactsFileHost& host);
    bool MaySave() const { return maySave_; }

private:
    bool maySave_ = false;
};
