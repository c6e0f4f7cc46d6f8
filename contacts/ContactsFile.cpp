#include "contacts/ContactsFile.h"

#include <cassert>
#include <climits>
#include <cstring>

namespace ContactsFile {
namespace {

constexpr int kNameChars = 50;
constexpr int kNumberChars = 28;
constexpr int kCallsChars = 30;
constexpr int kRecordSize = 500;
constexpr std::size_t kWriteBufferSize = 64000;

constexpr char kSectionHeader[] = "[PhoneNumbers]";
constexpr char kRule[] = "#########################################################################";
static_assert(sizeof kRule - 1 == 73, "the banner's rules are 73 characters");

// Every line ends with CR LF; the banner is all comments and one blank line.
constexpr char kBanner[] =
    "#########################################################################\r\n"
    "# TOLLWICK v1.0\r\n"
    "# ~~~~~~~~~~~~~\r\n"
    "# done by..\r\n"
    "#\r\n"
    "#   The Tollwick developers, for everyone who dials the same numbers.\r\n"
    "#   One contact a line below the section header: name, number, calls.\r\n"
    "#   Lines that begin with '#' are comments and are not kept.\r\n"
    "#   Tollwick rewrites this file whenever it closes.\r\n"
    "#   Edit it only while Tollwick is not running.\r\n"
    "#\r\n"
    "#\r\n"
    "#########################################################################\r\n"
    "\r\n"
    "[PhoneNumbers]\r\n";

bool IsLineEnd(char c) {
    return c == '\r' || c == '\n';
}

// Copies one field up to the next ',' or the line end, at most `limit`
// characters; the rest of an over-long field is skipped up to the ','.
const char* CopyRecordField(const char* cursor, char* field, int limit) {
    int n = 0;
    for (; *cursor != '\0' && *cursor != ','; ++cursor) {
        if (n < limit) field[n++] = *cursor;
    }
    field[n] = '\0';
    return cursor;
}

// Steps over the separator and the spaces that follow it.
const char* SkipSeparator(const char* cursor) {
    if (*cursor != '\0') ++cursor;
    while (*cursor == ' ') ++cursor;
    return cursor;
}

// atoi's reading of a call count, held to the 32-bit range instead of
// overflowing: white space, an optional sign, then decimal digits.
std::int32_t ParseCalls(const char* text) {
    while (*text == ' ' || (*text >= '\t' && *text <= '\r')) ++text;
    const bool negative = *text == '-';
    if (*text == '-' || *text == '+') ++text;
    long long value = 0;
    for (; *text >= '0' && *text <= '9'; ++text) {
        value = value * 10 + (*text - '0');
        if (value > static_cast<long long>(INT_MAX) + 1) break;
    }
    if (negative) value = -value;
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<std::int32_t>(value);
}

void ParseRecord(const char* line, Contact& contact) {
    const char* cursor = CopyRecordField(line, contact.name, kNameChars);
    cursor = SkipSeparator(cursor);
    cursor = CopyRecordField(cursor, contact.number, kNumberChars);
    cursor = SkipSeparator(cursor);
    char calls[kCallsChars + 1];
    CopyRecordField(cursor, calls, kCallsChars);
    contact.calls = ParseCalls(calls);
}

bool IsSectionHeader(const char* line) {
    return CompareNoCase(line, kSectionHeader) == 0;
}

struct MemoryText {
    const char* next;
    std::size_t left;
};

std::size_t ReadMemory(void* source, char* buffer, std::size_t capacity) {
    auto* text = static_cast<MemoryText*>(source);
    const std::size_t n = text->left < capacity ? text->left : capacity;
    std::memcpy(buffer, text->next, n);
    text->next += n;
    text->left -= n;
    return n;
}

// The open contacts file, read through the host and stamped as it goes;
// whether a read failed. A read stops past kMaxFileBytes.
struct StampedFile {
    ContactsFileHost& host;
    std::FILE* file;
    FileStamp& stamp;
    bool failed;
};

// The host's next block for the cursor; after a failed read, the end.
std::size_t ReadFile(void* source, char* buffer, std::size_t capacity) {
    auto* in = static_cast<StampedFile*>(source);
    if (in->failed || in->stamp.length > kMaxFileBytes) return 0;
    std::size_t n = 0;
    if (!in->host.ReadFileBlock(in->file, buffer, capacity, &n)) {
        in->failed = true;
        return 0;
    }
    if (n > capacity) n = capacity;
    in->stamp.Add(buffer, n);
    return n;
}

bool WriteFile(void* sink, const char* bytes, std::size_t length) {
    auto* out = static_cast<StampedFile*>(sink);
    out->stamp.Add(bytes, length);
    return std::fwrite(bytes, 1, length, out->file) == length;
}

// Collects the text in a fixed buffer and hands it to the sink when full.
class WriteBuffer {
public:
    WriteBuffer(WriteSink write, void* sink) : write_(write), sink_(sink) {}

    bool Append(const char* bytes, std::size_t length) {
        assert(length <= kWriteBufferSize);
        if (used_ + length > kWriteBufferSize && !Flush()) return false;
        std::memcpy(text_ + used_, bytes, length);
        used_ += length;
        return true;
    }

    bool Flush() {
        const bool written = used_ == 0 || write_(sink_, text_, used_);
        used_ = 0;
        return written;
    }

private:
    WriteSink write_;
    void* sink_;
    char text_[kWriteBufferSize];
    std::size_t used_ = 0;
};

// Appends a field's text, never reading past the field.
char* AppendField(char* out, const char* field, std::size_t size) {
    const void* end = std::memchr(field, '\0', size);
    const std::size_t n =
        end != nullptr ? static_cast<std::size_t>(static_cast<const char*>(end) - field) : size;
    std::memcpy(out, field, n);
    return out + n;
}

// "%s, %s, %d\r\n" of a contact; returns the length.
std::size_t FormatRecord(const Contact& contact, char (&record)[kRecordSize]) {
    char* out = AppendField(record, contact.name, sizeof contact.name);
    *out++ = ',';
    *out++ = ' ';
    out = AppendField(out, contact.number, sizeof contact.number);
    *out++ = ',';
    *out++ = ' ';
    char digits[12];
    int n = 0;
    // Negate in unsigned arithmetic so that INT_MIN formats too.
    unsigned long magnitude = contact.calls < 0 ? 0ul - static_cast<unsigned long>(contact.calls)
                                                : static_cast<unsigned long>(contact.calls);
    do {
        digits[n++] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (contact.calls < 0) *out++ = '-';
    while (n > 0) *out++ = digits[--n];
    *out++ = '\r';
    *out++ = '\n';
    return static_cast<std::size_t>(out - record);
}

}  // namespace

int NextLine(TextCursor& position, char (&line)[kLineSize]) {
    while (IsLineEnd(position.Peek())) position.Advance();
    int n = 0;
    for (char c = position.Peek(); c != '\0' && !IsLineEnd(c); c = position.Peek()) {
        if (n < kLineSize - 1) line[n++] = c;
        position.Advance();
    }
    line[n] = '\0';
    return n;
}

void Parse(TextCursor& text, ContactTable& table) {
    char line[kLineSize];
    int n = 0;
    bool inSection = false;
    for (;;) {
        if (inSection && n == kMaxContacts) inSection = false;
        if (NextLine(text, line) == 0) break;
        if (line[0] == '#') continue;
        if (line[0] == '[') {
            inSection = IsSectionHeader(line);
            continue;
        }
        if (inSection) ParseRecord(line, table.slots[n++]);
    }
    table.count = n;
}

void ParseText(const char* text, std::size_t length, ContactTable& table) {
    MemoryText source{text, length};
    TextCursor cursor(ReadMemory, &source);
    Parse(cursor, table);
}

namespace {

void Empty(ContactTable& table) {
    for (int s = 0; s < kMaxContacts; ++s) table.ClearSlot(s);
    table.count = 0;
}

}  // namespace

std::FILE* OpenToRead(const char* path, ContactsFileHost& host, ReadOutcome* failure) {
    std::FILE* file = nullptr;
    for (int waited = 0; (file = std::fopen(path, "rb")) == nullptr; waited += kOpenRetryStepMs) {
        if (host.IsMissing(path)) {
            *failure = ReadOutcome::kNoFile;
            return nullptr;
        }
        if (waited >= kOpenRetryTotalMs) {
            *failure = ReadOutcome::kUnreadable;
            return nullptr;
        }
        host.WaitBeforeRetry(kOpenRetryStepMs);
    }
    return file;
}

ReadOutcome ReadQuietly(ContactTable& table, ContactsFileHost& host, FileStamp& stamp) {
    Empty(table);
    stamp = FileStamp();
    ReadOutcome failure;
    std::FILE* file = OpenToRead(kFileName, host, &failure);
    if (file == nullptr) return failure;
    StampedFile in{host, file, stamp, false};
    TextCursor cursor(ReadFile, &in);
    Parse(cursor, table);
    char rest[4096];  // past a zero byte: not text, but a change all the same
    while (ReadFile(&in, rest, sizeof rest) != 0) {
    }
    const bool failed = in.failed || stamp.length > kMaxFileBytes;
    std::fclose(file);
    if (!failed) return ReadOutcome::kLoaded;
    // Half a list would be saved over the whole one at the end: show none.
    Empty(table);
    return ReadOutcome::kUnreadable;
}

ReadOutcome Read(ContactTable& table, ContactsFileHost& host, FileStamp* stamp) {
    FileStamp read;
    const ReadOutcome outcome = ReadQuietly(table, host, read);
    if (outcome == ReadOutcome::kNoFile) {
        host.ShowMessage("Can not open contacts.txt!\nNew will be created...", "INFO",
                         kMessageOk | kMessageIconExclamation);
    } else if (outcome == ReadOutcome::kUnreadable) {
        host.ShowMessage(kUnreadableMessage, "ERROR", kMessageOk | kMessageIconExclamation);
    }
    if (stamp != nullptr) *stamp = read;
    return outcome;
}

bool Format(const ContactTable& table, WriteSink write, void* sink) {
    WriteBuffer out(write, sink);
    if (!out.Append(kBanner, sizeof kBanner - 1)) return false;
    char record[kRecordSize];
    for (int s = 0; s < table.count; ++s) {
        if (!out.Append(record, FormatRecord(table.slots[s], record))) return false;
    }
    return out.Flush();
}

bool WriteQuietly(const ContactTable& table, ContactsFileHost& host, FileStamp& written) {
    written = FileStamp();
    // Rather than lose the run's changes, a file whose folder takes no
    // temporary is rewritten in place, as a plain save would.
    return ReplaceThroughTemporary(
        kTemporaryFileName, kFileName, host,
        [&](std::FILE* file) {
            StampedFile out{host, file, written, false};
            return Format(table, WriteFile, &out);
        },
        WithoutTemporary::kRewriteInPlace);
}

bool Write(const ContactTable& table, ContactsFileHost& host) {
    FileStamp written;
    const bool saved = WriteQuietly(table, host, written);
    if (!saved) host.ShowMessage(kCannotSaveMessage, "ERROR", kMessageOk);
    return saved;
}

}  // namespace ContactsFile

bool TextCursor::Refill() {
    if (ended_) return false;
    const std::size_t n = read_(source_, block_, kBlockSize);
    // A zero byte ends the text just as the end of the data does.
    const void* zero = std::memchr(block_, '\0', n);
    end_ = zero != nullptr ? static_cast<const char*>(zero) : block_ + n;
    next_ = block_;
    if (zero != nullptr || n == 0) ended_ = true;
    return next_ != end_;
}
