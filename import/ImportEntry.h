// One vCard or CSV row on its way into the contact table: its names and
// numbers cleaned to what the contacts file keeps, shared by both readers.
#pragma once

#include <cstddef>

#include "contacts/FieldRules.h"
#include "import/AddressBookImport.h"

// The most a reader keeps of one value; the rest of a longer one is dropped.
constexpr int kImportValueSize = 1024;
// Numbers kept of one card or row; more count as not fitting.
constexpr int kMaxEntryNumbers = 32;
// The longest number type kept for a name's "(cell)".
constexpr int kTypeLimit = 20;
// The highest call count taken from Tollwick's own export.
constexpr int kMaxImportedCalls = 999999999;

// Where a value's bytes come from.
struct TextCoding {
    const char* charset;  // named by the file; nullptr: UTF-8 when valid, else the code page's
    bool asIs;            // known to be in the code page already
};

bool IsUtf8(const char* text, std::size_t length);

// The length of a value that was cut to its buffer, without the character
// the cut split.
int WithoutSplitCharacter(const char* text, int length);

// The length of the text without spaces and tabs at either end, which begins
// at *start.
int TrimmedLength(const char* text, int length, int* start);

// A call count as Tollwick's own export writes it: decimal digits from 0 to
// kMaxImportedCalls. Anything else is 0.
int CallCount(const char* text, int length);

// Case-insensitive for A-Z only.
bool StartsWithNoCase(const char* text, int length, const char* prefix);
bool EqualsNoCase(const char* text, int length, const char* word);

enum class NumberFit { kNoDigit, kTooLong, kFits };

// Keeps what a dialled number can hold: digits, "+*#-()." and single spaces
// between them. Over the limit it loses its spaces first.
NumberFit CleanNumber(const char* text, int length, char (&number)[kNumberFieldLimit + 1]);

// A run of bytes inside a larger text.
struct TextPiece {
    const char* text;
    int length;
};

class ImportEntry {
public:
    // The names a contact may take, best first; its number comes last.
    enum NameSource { kFullName, kNameParts, kOrganization, kNameSources };

    ImportEntry(ImportHost& host, ContactTable& table, ImportCounts& counts);

    // Sets the name from this source unless an earlier value of it did.
    void SetName(NameSource source, const char* text, int length, TextCoding coding);
    // The name from its given, additional and family parts, the empty ones
    // left out.
    void SetJoinedName(const TextPiece (&parts)[3], TextCoding coding);

    // A number and its type ("cell", "home fax"; may be empty). Text that
    // holds no digit is no number.
    void AddNumber(const char* text, int length, const char* type, int typeLength, TextCoding coding);

    // The call count the entry's contacts start with: 0 unless Tollwick's own
    // export gives one. Readers set it for every entry.
    void SetCalls(int calls) { calls_ = calls; }

    // Appends a contact for each number not stored yet, counts the rest,
    // and starts the next entry.
    void AddToTable();

private:
    struct Number {
        bool fits;
        char text[kNumberFieldLimit + 1];
        char type[kTypeLimit + 1];
    };

    int Convert(const char* text, int length, TextCoding coding, char (&out)[kImportValueSize]);
    int CutAtCharacter(const char* text, int length, int limit);
    void CleanName(char* text, int length, char (&name)[kNameFieldLimit + 1]);
    void MakeContactName(int n, bool numbered, int counter, char (&name)[kNameFieldLimit + 1]);

    ImportHost& host_;
    ContactTable& table_;
    ImportCounts& counts_;
    char names_[kNameSources][kNameFieldLimit + 1];
    Number numbers_[kMaxEntryNumbers];
    int numberCount_;
    int extraNumbers_;
    int calls_;
};
