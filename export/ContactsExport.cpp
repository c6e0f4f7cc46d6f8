#include "export/ContactsExport.h"

#include <cstdio>
#include <cstring>

namespace {

// A code page character is at most three bytes of UTF-8, as the euro sign is.
constexpr int kUtf8Size = 3 * kNameSize;
// Two fields of it, each byte escaped or quoted, and the property's words.
constexpr int kLineSize = 4 * kUtf8Size + 32;
constexpr int kFoldOctets = 75;

// Hands pieces to the sink until it refuses one.
struct Output {
    ContactsFile::WriteSink write;
    void* sink;
    bool ok;

    void Put(const char* text, std::size_t length) { ok = ok && write(sink, text, length); }
    void Put(const char* text) { Put(text, std::strlen(text)); }
};

// A contact's field as UTF-8, never read past its array.
int FieldToUtf8(ExportHost& host, const char* field, std::size_t size, char (&out)[kUtf8Size]) {
    const void* end = std::memchr(field, '\0', size);
    const int length = static_cast<int>(end != nullptr ? static_cast<const char*>(end) - field : size);
    const int n = host.ToUtf8(field, length, out, kUtf8Size);
    return n < 0 ? 0 : n < kUtf8Size ? n : kUtf8Size - 1;
}

// A vCard text value with "\", ",", ";" and line breaks escaped as RFC 6350 says.
int Escape(const char* text, int length, char* out) {
    int n = 0;
    for (int i = 0; i < length; ++i) {
        const char c = text[i];
        if (c == '\r' && i + 1 < length && text[i + 1] == '\n') continue;
        const bool lineBreak = c == '\r' || c == '\n';
        if (lineBreak || c == '\\' || c == ',' || c == ';') out[n++] = '\\';
        out[n++] = lineBreak ? 'n' : c;
    }
    return n;
}

// One content line folded at 75 octets: each continuation line begins with a
// space, and no UTF-8 sequence is split.
void PutFolded(Output& out, const char* line, int length) {
    int start = 0;
    for (int room = kFoldOctets; length - start > room; room = kFoldOctets - 1) {
        int cut = start + room;
        while (cut > start && (static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80) --cut;
        if (cut == start) cut = start + room;  // no character starts in reach: not UTF-8 at all
        out.Put(line + start, cut - start);
        out.Put("\r\n ", 3);
        start = cut;
    }
    out.Put(line + start, length - start);
    out.Put("\r\n", 2);
}

// A property's name and parameters, then its value escaped, folded.
void PutProperty(Output& out, const char* name, const char* value, int length) {
    char line[kLineSize];
    const int n = static_cast<int>(std::strlen(name));
    std::memcpy(line, name, n);
    PutFolded(out, line, n + Escape(value, length, line + n));
}

// N: the last word is the family name, the words before it the given names;
// a single word is a given name, as phones file a one-word contact.
void PutNameParts(Output& out, const char* name, int length) {
    int first = 0;
    while (first < length && name[first] == ' ') ++first;
    while (length > first && name[length - 1] == ' ') --length;
    int family = length;
    while (family > first && name[family - 1] != ' ') --family;
    int givenEnd = family > first ? family : length;
    while (givenEnd > first && name[givenEnd - 1] == ' ') --givenEnd;
    char line[kLineSize] = "N:";
    int n = 2;
    if (family > first) n += Escape(name + family, length - family, line + n);
    line[n++] = ';';
    n += Escape(name + first, givenEnd - first, line + n);
    std::memcpy(line + n, ";;;", 3);
    PutFolded(out, line, n + 3);
}

// One contact's card.
void PutCard(const Contact& contact, ExportHost& host, Output& out) {
    char name[kUtf8Size];
    char number[kUtf8Size];
    const int nameLength = FieldToUtf8(host, contact.name, sizeof contact.name, name);
    const int numberLength = FieldToUtf8(host, contact.number, sizeof contact.number, number);
    out.Put("BEGIN:VCARD\r\nVERSION:3.0\r\n");
    out.Put(kExportProductId);
    out.Put("\r\n");
    PutProperty(out, "FN:", name, nameLength);
    PutNameParts(out, name, nameLength);
    PutProperty(out, "TEL;TYPE=VOICE:", number, numberLength);
    char end[64];
    out.Put(end, std::snprintf(end, sizeof end, "X-TOLLWICK-CALLS:%ld\r\nEND:VCARD\r\n",
                               static_cast<long>(contact.calls)));
}

// A CSV field, quoted as RFC 4180 says when it holds a comma, a quote or a
// line break.
int CsvField(const char* text, int length, char* out) {
    bool quoted = false;
    for (int i = 0; i < length; ++i) quoted = quoted || std::strchr(",\"\r\n", text[i]) != nullptr;
    int n = 0;
    if (quoted) out[n++] = '"';
    for (int i = 0; i < length; ++i) {
        if (text[i] == '"') out[n++] = '"';
        out[n++] = text[i];
    }
    if (quoted) out[n++] = '"';
    return n;
}

// One contact's CSV record: name, number and calls.
void PutRow(const Contact& contact, ExportHost& host, Output& out) {
    char name[kUtf8Size];
    char number[kUtf8Size];
    char row[kLineSize];
    int n = CsvField(name, FieldToUtf8(host, contact.name, sizeof contact.name, name), row);
    row[n++] = ',';
    n += CsvField(number, FieldToUtf8(host, contact.number, sizeof contact.number, number), row + n);
    n += std::snprintf(row + n, sizeof row - n, ",%ld\r\n", static_cast<long>(contact.calls));
    out.Put(row, n);
}

// The sink that writes to an open file.
bool WriteFile(void* sink, const char* bytes, std::size_t length) {
    return std::fwrite(bytes, 1, length, static_cast<std::FILE*>(sink)) == length;
}

}  // namespace

bool FormatExport(const ContactTable& table, AddressBookKind kind, ExportHost& host,
                  ContactsFile::WriteSink write, void* sink) {
    if (kind == AddressBookKind::kNone) return false;
    Output out{write, sink, true};
    if (kind == AddressBookKind::kCsv) {
        out.Put("\xEF\xBB\xBF");
        out.Put(kExportCsvHeader);
        out.Put("\r\n");
    }
    for (int s = 0; s < table.count && out.ok; ++s) {
        const Contact& contact = table.slots[s];
        if (!ContactTable::InUse(contact)) continue;
        if (kind == AddressBookKind::kVCard) {
            PutCard(contact, host, out);
        } else {
            PutRow(contact, host, out);
        }
    }
    return out.ok;
}

bool ExportContacts(const ContactTable& table, AddressBookKind kind, const char* path, ExportHost& host,
                    ContactsFileHost& files) {
    char temporary[kExportPathSize];
    const int n = std::snprintf(temporary, sizeof temporary, "%s.new", path);
    if (kind == AddressBookKind::kNone || n < 0 || n >= kExportPathSize) return false;
    return ContactsFile::ReplaceThroughTemporary(temporary, path, files, [&](std::FILE* file) {
        return FormatExport(table, kind, host, WriteFile, file);
    });
}
