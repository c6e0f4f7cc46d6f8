#include <cstring>

#include "import/AddressBookReaders.h"

namespace {

constexpr int kMaxColumns = 256;
constexpr int kHeaderCellSize = 128;
constexpr int kCellSize = 512;
constexpr int kRowTextSize = 16384;
constexpr int kColumnTypeSize = 32;

enum class Role : unsigned char {
    kIgnored,
    kName,
    kGiven,
    kAdditional,
    kFamily,
    kOrganization,
    kPhoneValue,  // "Phone 1 - Value", typed by "Phone 1 - Type"
    kPhoneType,
    kPhone,  // "Mobile Phone", "Home Phone 2", typed by the heading
};

struct Column {
    Role role;
    int group;       // the 1 of "Phone 1 - Value"
    int typeColumn;  // the column of a value's type, or -1
    char type[kColumnTypeSize];
};

struct Field {
    int kept;
    bool cut;   // more characters than were kept
    bool more;  // another field of the same record follows
};

// RFC 4180 records: fields separated by commas, quoted fields with doubled
// quotes and line breaks inside, records ended by CR, LF or CR LF.
class CsvCursor {
public:
    CsvCursor(const char* next, const char* end) : next_(next), end_(end) {}

    bool AtEnd() const { return next_ == end_; }

    // Keeps up to size - 1 characters of the field in out.
    Field ReadField(char* out, int size) {
        Field field{0, false, false};
        bool quoted = next_ != end_ && *next_ == '"';
        if (quoted) ++next_;
        while (next_ != end_) {
            const char c = *next_++;
            if (quoted) {
                if (c == '"') {
                    if (next_ == end_ || *next_ != '"') {
                        quoted = false;
                        continue;
                    }
                    ++next_;
                }
            } else if (c == ',') {
                field.more = true;
                break;
            } else if (c == '\r' || c == '\n') {
                if (c == '\r' && next_ != end_ && *next_ == '\n') ++next_;
                break;
            }
            if (field.kept < size - 1) {
                out[field.kept++] = c;
            } else {
                field.cut = true;
            }
        }
        return field;
    }

private:
    const char* next_;
    const char* end_;
};

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// "Phone 1 - Value", "Phone 1 - Type", "Phone 1 - Label".
Role GooglePhoneRole(const char* heading, int length, int* group) {
    if (!StartsWithNoCase(heading, length, "phone ")) return Role::kIgnored;
    int i = 6;
    *group = 0;
    for (; i < length && IsDigit(heading[i]); ++i) {
        if (*group < 100000) *group = *group * 10 + (heading[i] - '0');
    }
    if (i == 6) return Role::kIgnored;
    if (EqualsNoCase(heading + i, length - i, " - value")) return Role::kPhoneValue;
    if (EqualsNoCase(heading + i, length - i, " - type") ||
        EqualsNoCase(heading + i, length - i, " - label")) {
        return Role::kPhoneType;
    }
    return Role::kIgnored;
}

// "Mobile Phone", "Home Phone 2": the type is the heading without " Phone".
bool IsPhoneHeading(const char* heading, int length, Column& column) {
    int digits = length;
    while (digits > 0 && IsDigit(heading[digits - 1])) --digits;
    int stem = digits;
    if (digits < length) {
        if (digits == 0 || heading[digits - 1] != ' ') return false;
        stem = digits - 1;
    }
    constexpr int kPhoneWord = 6;  // " Phone"
    if (stem <= kPhoneWord || !EqualsNoCase(heading + stem - kPhoneWord, kPhoneWord, " phone")) return false;
    int n = 0;
    for (int i = 0; i < stem - kPhoneWord && n < kColumnTypeSize - 1; ++i) column.type[n++] = heading[i];
    for (int i = stem; i < length && n < kColumnTypeSize - 1; ++i) column.type[n++] = heading[i];
    column.type[n] = '\0';
    return true;
}

void Classify(const char* cell, int length, Column& column) {
    int start;
    length = TrimmedLength(cell, length, &start);
    const char* heading = cell + start;
    column.group = 0;
    column.typeColumn = -1;
    column.type[0] = '\0';
    const auto is = [&](const char* name) { return EqualsNoCase(heading, length, name); };
    if (is("name")) {
        column.role = Role::kName;
    } else if (is("first name") || is("given name")) {
        column.role = Role::kGiven;
    } else if (is("middle name") || is("additional name")) {
        column.role = Role::kAdditional;
    } else if (is("last name") || is("family name")) {
        column.role = Role::kFamily;
    } else if (is("organization 1 - name") || is("company")) {
        column.role = Role::kOrganization;
    } else if (is("phone") || IsPhoneHeading(heading, length, column)) {
        column.role = Role::kPhone;  // a bare "Phone", as a hand-made file has it, gives no type
    } else {
        column.role = GooglePhoneRole(heading, length, &column.group);
    }
}

// What the heading record says about each column.
struct Header {
    Column columns[kMaxColumns];
    int count;                                             // columns past kMaxColumns are not read
    int first[static_cast<int>(Role::kOrganization) + 1];  // the first column of each name role, or -1
    bool phones;
};

// The first record that is not blank names the columns. Each value column
// of a Google export finds the type column of its group.
void ReadHeader(CsvCursor& csv, Header& header) {
    header.count = 0;
    bool blank = true;
    while (blank && !csv.AtEnd()) {
        header.count = 0;
        Field field;
        do {
            char cell[kHeaderCellSize];
            field = csv.ReadField(cell, sizeof cell);
            blank = blank && field.kept == 0 && !field.more;
            if (header.count < kMaxColumns) Classify(cell, field.kept, header.columns[header.count++]);
        } while (field.more);
    }
    if (blank) header.count = 0;

    for (int& column : header.first) column = -1;
    header.phones = false;
    for (int c = header.count - 1; c >= 0; --c) {
        Column& column = header.columns[c];
        if (column.role <= Role::kOrganization) header.first[static_cast<int>(column.role)] = c;
        header.phones = header.phones || column.role == Role::kPhone || column.role == Role::kPhoneValue;
        if (column.role != Role::kPhoneValue) continue;
        for (int t = 0; t < header.count && column.typeColumn < 0; ++t) {
            const Column& type = header.columns[t];
            if (type.role == Role::kPhoneType && type.group == column.group) column.typeColumn = t;
        }
    }
}

// One record's cells of the columns a contact takes, in one buffer.
struct Row {
    char text[kRowTextSize];
    int used;
    int fields;
    int start[kMaxColumns];
    int length[kMaxColumns];

    TextPiece Cell(int c) const {
        if (c < 0 || c >= fields) return {text, 0};
        return {text + start[c], length[c]};
    }
};

// False for a blank record.
bool ReadRow(CsvCursor& csv, const Header& header, Row& row) {
    row.used = 0;
    row.fields = 0;
    bool blank = true;
    Field field;
    do {
        const int c = row.fields;
        const bool kept = c < header.count && header.columns[c].role != Role::kIgnored;
        const int room = kRowTextSize - row.used;
        field = kept ? csv.ReadField(row.text + row.used, room < kCellSize ? room : kCellSize)
                     : csv.ReadField(nullptr, 0);
        blank = blank && field.kept == 0 && !field.cut;
        if (c < kMaxColumns) {
            row.start[c] = row.used;
            row.length[c] = field.cut ? WithoutSplitCharacter(row.text + row.used, field.kept) : field.kept;
            row.used += field.kept;
            ++row.fields;
        }
    } while (field.more);
    return !blank;
}

// Google puts several numbers of one type in a cell: "555 0100 ::: 555 0101".
void AddNumbers(ImportEntry& entry, TextPiece cell, TextPiece type, TextCoding coding) {
    int start = 0;
    for (int i = 0; i <= cell.length; ++i) {
        const bool separator = i + 2 < cell.length && std::memcmp(cell.text + i, ":::", 3) == 0;
        if (i == cell.length || separator) {
            entry.AddNumber(cell.text + start, i - start, type.text, type.length, coding);
            if (separator) i += 2;
            start = i + 1;
        }
    }
}

void AddRow(ImportEntry& entry, const Header& header, const Row& row, TextCoding coding) {
    const auto cell = [&](Role role) { return row.Cell(header.first[static_cast<int>(role)]); };
    const TextPiece name = cell(Role::kName);
    entry.SetName(ImportEntry::kFullName, name.text, name.length, coding);
    const TextPiece parts[3] = {cell(Role::kGiven), cell(Role::kAdditional), cell(Role::kFamily)};
    entry.SetJoinedName(parts, coding);
    const TextPiece organization = cell(Role::kOrganization);
    entry.SetName(ImportEntry::kOrganization, organization.text, organization.length, coding);

    // Only the cells this record has: a short record costs little.
    const int last = row.fields < header.count ? row.fields : header.count;
    for (int c = 0; c < last; ++c) {
        const Column& column = header.columns[c];
        if (column.role == Role::kPhoneValue) {
            TextPiece type = row.Cell(column.typeColumn);
            // "* Mobile" marks the contact's main number.
            if (StartsWithNoCase(type.text, type.length, "* ")) type = {type.text + 2, type.length - 2};
            AddNumbers(entry, row.Cell(c), type, coding);
        } else if (column.role == Role::kPhone) {
            const TextPiece number = row.Cell(c);
            entry.AddNumber(number.text, number.length, column.type,
                            static_cast<int>(std::strlen(column.type)), coding);
        }
    }
    entry.AddToTable();
}

}  // namespace

ImportResult ReadCsv(const char* data, std::size_t size, ImportEntry& entry) {
    CsvCursor csv(data, data + size);
    Header header;
    ReadHeader(csv, header);
    if (!header.phones) return ImportResult::kNotAnAddressBook;

    // A file is in one encoding: UTF-8 where all of it is, else the code page.
    const TextCoding coding{nullptr, !IsUtf8(data, size)};
    Row row;
    while (!csv.AtEnd()) {
        if (ReadRow(csv, header, row)) AddRow(entry, header, row, coding);
    }
    return ImportResult::kImported;
}
