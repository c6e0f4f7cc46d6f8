#include "history/CallLog.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "calling/CallFlow.h"
#include "calling/TapiBinding.h"
#include "contacts/TextCopy.h"

namespace {

constexpr int kFields = 4;
constexpr std::size_t kReadBlockSize = 32768;

// Bytes below the space and DEL, which no field of the file holds.
bool IsControl(char c) {
    return static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
}

// From 1601, where Windows file times begin, to the last four-digit year.
bool IsRealTime(const CallTime& t) {
    static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (t.year < 1601 || t.year > 9999 || t.month < 1 || t.month > 12) return false;
    const bool leap = t.year % 4 == 0 && (t.year % 100 != 0 || t.year % 400 == 0);
    const int days = kDays[t.month - 1] + (t.month == 2 && leap ? 1 : 0);
    return t.day >= 1 && t.day <= days && t.hour >= 0 && t.hour < 24 && t.minute >= 0 && t.minute < 60;
}

// The number of `count` digits at text[at], or -1 when one is no digit.
int Digits(const char* text, int at, int count) {
    int value = 0;
    for (int i = at; i < at + count; ++i) {
        if (text[i] < '0' || text[i] > '9') return -1;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

// "2026-12-07 14:03" exactly.
bool ParseTime(const char* text, int length, CallTime& t) {
    if (length != kCallTimeChars || text[4] != '-' || text[7] != '-' || text[10] != ' ' || text[13] != ':')
        return false;
    t = CallTime{Digits(text, 0, 4), Digits(text, 5, 2), Digits(text, 8, 2), Digits(text, 11, 2),
                 Digits(text, 14, 2)};
    return IsRealTime(t);
}

// Copies a field that fits its array, terminated; false for a longer one.
template <std::size_t N>
bool TakeField(const char* text, int length, char (&field)[N]) {
    if (length > static_cast<int>(N) - 1) return false;
    std::memcpy(field, text, length);
    field[length] = '\0';
    return true;
}

// One line without its line end: exactly four tab-separated fields.
bool ParseLine(const char* line, int length, CallEntry& entry) {
    const char* field[kFields];
    int size[kFields];
    int fields = 0;
    for (int i = 0, start = 0; i <= length; ++i) {
        if (i == length || line[i] == '\t') {
            if (fields == kFields) return false;
            field[fields] = line + start;
            size[fields++] = i - start;
            start = i + 1;
        } else if (IsControl(line[i])) {
            return false;
        }
    }
    return fields == kFields && ParseTime(field[0], size[0], entry.when) &&
           TakeField(field[1], size[1], entry.number) && TakeField(field[2], size[2], entry.name) &&
           TakeField(field[3], size[3], entry.result);
}

// Splits bytes into lines and keeps the last kCallsKept entries in a ring,
// which Finish turns into the log's order.
class LogReader {
public:
    explicit LogReader(CallLog& log) : log_(log) { log.count = log.fileLines = 0; }

    // Takes the next bytes of the text, ending a line at each CR or LF.
    void Feed(const char* bytes, std::size_t size) {
        for (std::size_t i = 0; i < size; ++i) {
            if (bytes[i] == '\r' || bytes[i] == '\n') {
                EndLine();
            } else if (length_ < kCallLineSize) {
                // No well-formed line is this long, so what is kept of a
                // longer one fails to parse.
                line_[length_++] = bytes[i];
            }
        }
    }

    // What follows the last line end is a torn line and is dropped.
    void Finish() {
        if (total_ > kCallsKept) {
            std::rotate(log_.entries, log_.entries + total_ % kCallsKept, log_.entries + kCallsKept);
        }
        log_.count = total_ < kCallsKept ? static_cast<int>(total_) : kCallsKept;
    }

private:
    // Counts a line that is not empty and keeps its entry if it is well formed.
    void EndLine() {
        if (length_ == 0) return;
        ++log_.fileLines;
        // Parsed apart: a line that fails half-way must not spoil the oldest entry kept.
        CallEntry entry;
        if (ParseLine(line_, length_, entry)) log_.entries[total_++ % kCallsKept] = entry;
        length_ = 0;
    }

    CallLog& log_;
    char line_[kCallLineSize];
    int length_ = 0;
    long long total_ = 0;
};

// A field as written: cut to its limit, control characters as spaces.
template <std::size_t N>
int PutField(char* out, const char (&field)[N]) {
    int n = 0;
    for (; n < static_cast<int>(N) - 1 && field[n] != '\0'; ++n)
        out[n] = IsControl(field[n]) ? ' ' : field[n];
    return n;
}

}  // namespace

void MakeCallEntry(const CallTime& when, const char* number, const char* calledParty, std::int32_t result,
                   CallEntry& entry) {
    entry.when = when;
    CopyText(entry.number, number);
    CopyText(entry.name, std::strcmp(calledParty, kNoNameParty) == 0 ? "" : calledParty);
    const char* name = nullptr;
    switch (result) {
        case kTapiConnected: name = ""; break;
        case kTapiErrNoRequestRecipient: name = "TAPIERR_NOREQUESTRECIPIENT"; break;
        case kTapiErrRequestQueueFull: name = "TAPIERR_REQUESTQUEUEFULL"; break;
        case kTapiErrInvalDestAddress: name = "TAPIERR_INVALDESTADDRESS"; break;
        case kTapiErrRequestFailed: name = "TAPIERR_REQUESTFAILED"; break;
        case kTapiErrInvalPointer: name = "TAPIERR_INVALPOINTER"; break;
        case kLineErrOperationUnavail: name = "LINEERR_OPERATIONUNAVAIL"; break;
        default: break;
    }
    if (name != nullptr) {
        CopyText(entry.result, name);
    } else {
        std::snprintf(entry.result, sizeof entry.result, "TAPIERR %ld", static_cast<long>(result));
    }
}

int FormatCallLine(const CallEntry& entry, char (&line)[kCallLineSize]) {
    const CallTime& t = entry.when;
    if (!IsRealTime(t)) return 0;
    int n = std::snprintf(line, sizeof line, "%04d-%02d-%02d %02d:%02d\t", t.year, t.month, t.day, t.hour,
                          t.minute);
    n += PutField(line + n, entry.number);
    line[n++] = '\t';
    n += PutField(line + n, entry.name);
    line[n++] = '\t';
    n += PutField(line + n, entry.result);
    line[n++] = '\r';
    line[n++] = '\n';
    return n;
}

void CallLog::Add(const CallEntry& entry) {
    if (count == kCallsKept) Remove(0);
    entries[count++] = entry;
}

void CallLog::Remove(int index) {
    if (index < 0 || index >= count) return;
    std::memmove(entries + index, entries + index + 1, (count - index - 1) * sizeof entries[0]);
    --count;
}

void ParseCallLog(const char* text, std::size_t length, CallLog& log) {
    LogReader reader(log);
    reader.Feed(text, length);
    reader.Finish();
}

namespace CallsFile {

using ContactsFile::ReadOutcome;

ReadOutcome Read(CallLog& log, ContactsFileHost& host) {
    log.count = log.fileLines = 0;
    ReadOutcome failure;
    std::FILE* file = ContactsFile::OpenToRead(kFileName, host, &failure);
    if (file == nullptr) return failure;
    LogReader reader(log);
    char block[kReadBlockSize];
    for (std::size_t n; (n = std::fread(block, 1, sizeof block, file)) > 0;) reader.Feed(block, n);
    reader.Finish();
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (!failed) return ReadOutcome::kLoaded;
    log.count = log.fileLines = 0;
    return ReadOutcome::kUnreadable;
}

AppendOutcome Append(const char* line, int length, ContactsFileHost& host) {
    // "a" mode writes at the end whatever the position, so reading the last
    // byte first cannot lead to an overwrite.
    std::FILE* file = std::fopen(kFileName, "a+b");
    if (file == nullptr) return AppendOutcome::kFailed;
    // Appended to a torn line, this line would be read as part of it.
    if (std::fseek(file, -1, SEEK_END) == 0 && std::fgetc(file) != '\n') {
        std::fclose(file);
        return AppendOutcome::kTornEnd;
    }
    const bool written = std::fseek(file, 0, SEEK_END) == 0 &&
                         std::fwrite(line, 1, length, file) == static_cast<std::size_t>(length) &&
                         std::fflush(file) == 0 && host.FlushToDisk(file);
    return std::fclose(file) == 0 && written ? AppendOutcome::kAppended : AppendOutcome::kFailed;
}

bool Write(const CallLog& log, ContactsFileHost& host) {
    return ContactsFile::ReplaceThroughTemporary(kTemporaryFileName, kFileName, host, [&](std::FILE* file) {
        char line[kCallLineSize];
        for (int i = 0; i < log.count; ++i) {
            const int n = FormatCallLine(log.entries[i], line);
            if (std::fwrite(line, 1, n, file) != static_cast<std::size_t>(n)) return false;
        }
        return true;
    });
}

}  // namespace CallsFile

bool CallLogKeeper::Record(CallLog& log, const CallEntry& entry, ContactsFileHost& host) {
    char line[kCallLineSize];
    const int length = FormatCallLine(entry, line);
    if (length == 0) return false;
    log.Add(entry);
    if (!maySave_) return false;
    switch (CallsFile::Append(line, length, host)) {
        case CallsFile::AppendOutcome::kAppended:
            // A failed trim leaves a longer file, which the next call trims.
            if (++log.fileLines > kCallLinesBeforeTrim) Save(log, host);
            return true;
        case CallsFile::AppendOutcome::kTornEnd: return Save(log, host);
        case CallsFile::AppendOutcome::kFailed: break;
    }
    return false;
}

bool CallLogKeeper::Save(CallLog& log, ContactsFileHost& host) {
    if (!maySave_ || !CallsFile::Write(log, host)) return false;
    log.fileLines = log.count;
    return true;
}
