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
    kCalls,  // Tollwick's own export only
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

// RFC 4180 records: fields separated by commas (or what the header row
// uses instead), quoted fields with doubled quotes and line breaks inside,
// records ended by CR, LF or CR LF.
class CsvCursor {
public:
    CsvCursor(const char* next, const char* end, char separator)
        : next_(next), end_(end), separator_(separator) {}

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
            } else if (c == separator_) {
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
    char separator_;
};

// Spreadsheets in many languages save with ";", and some programs with a
// tab: the one the header row holds most of, outside quotes; "," on a tie.
char HeaderSeparator(const char* text, std::size_t size) {
    std::size_t i = 0;
    while (i < size && (text[i] == '\r' || text[i] == '\n')) ++i;
    int commas = 0, semicolons = 0, tabs = 0;
    bool quoted = false;
    for (; i < size && (quoted || (text[i] != '\r' && text[i] != '\n')); ++i) {
        quoted = quoted != (text[i] == '"');
        if (quoted) continue;
        commas += text[i] == ',';
        semicolons += text[i] == ';';
        tabs += text[i] == '\t';
    }
    if (commas >= semicolons && commas >= tabs) return ',';
    return semicolons >= tabs ? ';' : '\t';
}

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

// The name columns by their headings: in English, as a mail program's
// address book writes them, and as Outlook writes them in German, French,
// Spanish, Italian, Dutch and Portuguese. In lower case; "?" stands for an
// accented letter (MatchHeading).
struct NameHeading {
    const char* heading;
    Role role;
};
constexpr NameHeading kNameHeadings[] = {
    {"name", Role::kName},
    {"display name", Role::kName},
    {"first name", Role::kGiven},
    {"given name", Role::kGiven},
    {"vorname", Role::kGiven},
    {"pr?nom", Role::kGiven},
    {"nombre", Role::kGiven},
    {"nome", Role::kGiven},
    {"voornaam", Role::kGiven},
    {"middle name", Role::kAdditional},
    {"additional name", Role::kAdditional},
    {"weitere vornamen", Role::kAdditional},
    {"deuxi?me pr?nom", Role::kAdditional},
    {"segundo nombre", Role::kAdditional},
    {"secondo nome", Role::kAdditional},
    {"middelste naam", Role::kAdditional},
    {"segundo nome", Role::kAdditional},
    {"last name", Role::kFamily},
    {"family name", Role::kFamily},
    {"nachname", Role::kFamily},
    {"nom", Role::kFamily},
    {"apellidos", Role::kFamily},
    {"cognome", Role::kFamily},
    {"achternaam", Role::kFamily},
    {"sobrenome", Role::kFamily},
    {"apelido", Role::kFamily},
    {"company", Role::kOrganization},
    {"organization", Role::kOrganization},
    {"organization 1 - name", Role::kOrganization},
    {"firma", Role::kOrganization},
    {"soci?t?", Role::kOrganization},
    {"organizaci?n", Role::kOrganization},
    {"compa??a", Role::kOrganization},
    {"societ?", Role::kOrganization},
    {"bedrijf", Role::kOrganization},
    {"empresa", Role::kOrganization},
};

// Phone columns other than "<type> Phone" and "<type> Fax", which any
// language's "fax" column and English Outlook's columns are, without a
// trailing number ("Telefon privat 2" is "Telefon privat"). The bracketed
// parts name the number's type.
constexpr const char* kPhoneHeadings[] = {
    // English: Outlook and a mail program's address book
    "phone number",
    "[pager]",
    "[mobile] number",
    "[pager] number",
    "[fax] number",
    "[work] number",
    "[home] number",
    // German
    "telefon [gesch?ftlich]",
    "[fax gesch?ftlich]",
    "telefon [privat]",
    "[fax privat]",
    "[mobiltelefon]",
    "[autotelefon]",
    "[haupttelefon]",
    "telefon [firma]",
    "[weiteres telefon]",
    // French
    "t?l?phone ([bureau])",
    "t?l?phone 2 ([bureau])",
    "[t?l?copie] ([bureau])",
    "t?l?phone ([domicile])",
    "t?l?phone 2 ([domicile])",
    "[t?l?copie] ([domicile])",
    "t?l. [mobile]",
    "t?l?phone ([voiture])",
    "t?l?phone [principal]",
    "t?l?phone ([autre])",
    "[t?l?copie] ([autre])",
    "t?l?phone [soci?t?]",
    // Spanish
    "tel?fono del [trabajo]",
    "[fax] del [trabajo]",
    "[particular]",
    "tel?fono [particular]",
    "[fax particular]",
    "[m?vil]",
    "tel?fono del [autom?vil]",
    "tel?fono [principal]",
    "[otro tel?fono]",
    // Italian
    "[ufficio]",
    "[abitazione]",
    "[cellulare]",
    "[fax] ([uff.])",
    "[fax] ([ab.])",
    "telefono [auto]",
    "telefono [principale]",
    "[altro telefono]",
    // Dutch
    "telefoon op [werk]",
    "[fax] op [werk]",
    "telefoon [thuis]",
    "[fax thuis]",
    "[mobiel]e telefoon",
    "[autotelefoon]",
    "[hoofdtelefoon]",
    "[andere telefoon]",
    // Portuguese
    "telefone [comercial]",
    "[fax comercial]",
    "telefone [residencial]",
    "[fax residencial]",
    "telefone [celular]",
    "[telem?vel]",
    "telefone do [carro]",
    "telefone [principal]",
    "[outro telefone]",
};

// A-Z to a-z, as the headings of the tables are written.
char Fold(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c;
}

// Whether the heading is the pattern, in any case, where "?" is one letter:
// an accented one in the code page or in UTF-8, or a plain one of a file
// that lost its accents. The bracketed parts of the pattern, a space between
// them, become the column's type.
bool MatchHeading(const char* heading, int length, const char* pattern, Column& column) {
    int i = 0, n = 0;
    bool inType = false;
    for (const char* p = pattern; *p != '\0'; ++p) {
        if (*p == '[' || *p == ']') {
            inType = *p == '[';
            if (inType && n > 0 && n < kColumnTypeSize - 1) column.type[n++] = ' ';
            continue;
        }
        if (i == length) return false;
        const auto c = static_cast<unsigned char>(heading[i]);
        int size = 1;
        if (*p != '?') {
            if (Fold(heading[i]) != *p) return false;
        } else if (c >= 0xC2 && c <= 0xDF && i + 1 < length &&
                   (static_cast<unsigned char>(heading[i + 1]) & 0xC0) == 0x80) {
            size = 2;
        } else if (c < 0x80 && (Fold(heading[i]) < 'a' || Fold(heading[i]) > 'z')) {
            return false;
        }
        for (int k = 0; k < size; ++k, ++i) {
            if (inType && n < kColumnTypeSize - 1) column.type[n++] = heading[i];
        }
    }
    column.type[n] = '\0';
    return i == length;
}

// "Mobile Phone", "Business Fax": the type is the heading without " Phone",
// or all of it, as much as the column keeps.
bool IsTypedPhoneHeading(const char* heading, int length, Column& column) {
    const int phone = length - 6, fax = length - 4;
    int n = 0;
    if (phone > 0 && EqualsNoCase(heading + phone, 6, " phone")) {
        n = phone;
    } else if (fax > 0 && EqualsNoCase(heading + fax, 4, " fax")) {
        n = length;
    }
    if (n == 0) return false;
    if (n > kColumnTypeSize - 1) n = kColumnTypeSize - 1;
    std::memcpy(column.type, heading, n);
    column.type[n] = '\0';
    return true;
}

// A phone heading, and a number that follows it ("Home Phone 2") in its type.
bool IsPhoneHeading(const char* heading, int length, Column& column) {
    int stem = length;
    while (stem > 0 && IsDigit(heading[stem - 1])) --stem;
    if (stem < length) {
        if (stem == 0 || heading[stem - 1] != ' ') return false;
        --stem;
    }
    bool phone = IsTypedPhoneHeading(heading, stem, column);
    for (const char* pattern : kPhoneHeadings) {
        if (phone) break;
        phone = MatchHeading(heading, stem, pattern, column);
    }
    if (!phone) return false;
    int n = static_cast<int>(std::strlen(column.type));
    for (int i = stem; i < length && n < kColumnTypeSize - 1; ++i) column.type[n++] = heading[i];
    column.type[n] = '\0';
    return true;
}

// What a column holds, by its heading.
void Classify(const char* cell, int length, Column& column) {
    int start;
    length = TrimmedLength(cell, length, &start);
    const char* heading = cell + start;
    column.group = 0;
    column.typeColumn = -1;
    column.type[0] = '\0';
    for (const NameHeading& name : kNameHeadings) {
        if (MatchHeading(heading, length, name.heading, column)) {
            column.role = name.role;
            return;
        }
    }
    if (EqualsNoCase(heading, length, "phone") || IsPhoneHeading(heading, length, column)) {
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

void AddRow(ImportEntry& entry, const Header& header, const Row& row, TextCoding coding, int callsColumn) {
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
    const TextPiece calls = row.Cell(callsColumn);
    entry.SetCalls(CallCount(calls.text, calls.length));
    entry.AddToTable();
}

// Tollwick's own export, whose third column alone carries call counts.
constexpr char kTollwickHeader[] = "Name,Phone 1 - Value,Calls";
constexpr int kTollwickHeaderLength = sizeof kTollwickHeader - 1;

// Whether the file begins with exactly that header row.
bool IsTollwickExport(const char* data, std::size_t size) {
    return size >= kTollwickHeaderLength && std::memcmp(data, kTollwickHeader, kTollwickHeaderLength) == 0 &&
           (size == kTollwickHeaderLength || data[kTollwickHeaderLength] == '\r' ||
            data[kTollwickHeaderLength] == '\n');
}

}  // namespace

ImportResult ReadCsv(const char* data, std::size_t size, ImportEntry& entry) {
    CsvCursor csv(data, data + size, HeaderSeparator(data, size));
    Header header;
    ReadHeader(csv, header);
    if (!header.phones) return ImportResult::kNotAnAddressBook;
    int callsColumn = -1;
    if (IsTollwickExport(data, size)) {
        callsColumn = 2;
        header.columns[callsColumn].role = Role::kCalls;
    }

    // A file is in one encoding: UTF-8 where all of it is, else the code page.
    const TextCoding coding{nullptr, !IsUtf8(data, size)};
    Row row;
    while (!csv.AtEnd()) {
        if (ReadRow(csv, header, row)) AddRow(entry, header, row, coding, callsColumn);
    }
    return ImportResult::kImported;
}
