// Address books dropped on the window: vCard and CSV files exported from a
// phone, a mail program or a web address book, read into the contact table.
// Standard C++ only; the code page conversion comes from the platform.
#pragma once

#include <cstddef>

#include "contacts/ContactTable.h"

enum class AddressBookKind { kNone, kVCard, kCsv };

// By the file name's extension, in any case: ".vcf" and ".csv".
AddressBookKind KindOfPath(const char* path);

// What the reader needs from the platform: the program's single-byte (ANSI)
// code page.
class ImportHost {
public:
    // Converts `length` bytes of text in `charset` ("UTF-8" unless the file
    // names another) to the code page; characters it cannot show become "?".
    // Writes at most outSize - 1 bytes, cut on a character, and a zero, and
    // returns the bytes written, or -1 for a charset it does not know.
    virtual int ToAnsi(const char* charset, const char* text, int length, char* out, int outSize) = 0;
    // Whether the byte begins a two-byte character of the code page.
    virtual bool IsLeadByte(unsigned char byte) = 0;

protected:
    ~ImportHost() = default;
};

// Summed over every file of one drop; the caller starts them at zero.
struct ImportCounts {
    int added;          // contacts appended
    int alreadyThere;   // numbers whose digits a stored contact has
    int withoutNumber;  // cards or rows without a number to dial
    int didNotFit;      // numbers over 28 characters, past 32 on a card or row, or with the list full
};

enum class ImportResult { kImported, kNotAnAddressBook, kUnreadable };

// Appends one contact for each number of each card or row of the file, in
// file order, with the name and number cut to what the contacts file keeps,
// and two numbers of one card or row never under one name. Contacts start
// with 0 calls, except those of Tollwick's own export, which carries them.
// The data may hold any bytes; a zero byte (in UTF-16, a zero character)
// ends it; UTF-16 is known by its byte-order mark. The caller refills its
// list afterwards. kNotAnAddressBook (nothing added,
// nothing counted) for a vCard file without a card or a CSV file without a
// phone column; kUnreadable (nothing added) when there is no memory for the
// UTF-8 form of a UTF-16 file.
ImportResult ImportAddressBook(const char* data, std::size_t size, AddressBookKind kind, ContactTable& table,
                               ImportHost& host, ImportCounts& counts);

// The drop's outcome for an INFO box: the contacts added and, where there
// are any, those already stored, without a number or that did not fit, then
// the files that could not be read and those that were no address book,
// each without its folder. Always terminated; a text too long for outSize
// ends with "...".
void FormatImportSummary(const ImportCounts& counts, const char* const* unreadableFiles, int unreadableCount,
                         const char* const* notAddressBooks, int notAddressBookCount, char* out,
                         std::size_t outSize);
