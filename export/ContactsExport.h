// "Export contacts...": the contact table written as a vCard 3.0 or CSV file
// in UTF-8 that phones, mail programs, web address books and this program's
// own import read. Standard C++ only; the code page's conversion and the
// final file replacement come from the platform.
#pragma once

#include "contacts/ContactsFile.h"
#include "import/AddressBookImport.h"

// The vCard line by which the import knows a file of ours and trusts its
// call counts.
constexpr char kExportProductId[] = "PRODID:-//Tollwick//Tollwick Export//EN";
constexpr char kExportCsvHeader[] = "Name,Phone 1 - Value,Calls";
// The longest path ExportContacts takes, its temporary file's ".new" included.
constexpr int kExportPathSize = 1024;

// What the writers need from the platform: the program's single-byte (ANSI)
// code page as UTF-8.
class ExportHost {
public:
    // Converts `length` bytes of the code page to UTF-8. Writes at most
    // outSize - 1 bytes, cut on a character, and a zero; returns the bytes
    // written.
    virtual int ToUtf8(const char* text, int length, char* out, int outSize) = 0;

protected:
    ~ExportHost() = default;
};

// The whole file for the stored contacts in storage order, handed to the
// sink piece by piece. A vCard has one card each, its name also split into
// N's family name (the last word) and given names (the words before; a
// single word is a given name). A CSV file has a byte-order mark, the header
// and one row each. False for kNone or when the sink refused a piece.
bool FormatExport(const ContactTable& table, AddressBookKind kind, ExportHost& host,
                  ContactsFile::WriteSink write, void* sink);

// Writes the file at `path` through "<path>.new" beside it, which is on the
// disk before it replaces the old file in one step. False, with any old file
// left whole and no temporary left behind, when a step failed; the caller
// says so.
bool ExportContacts(const ContactTable& table, AddressBookKind kind, const char* path, ExportHost& host,
                    ContactsFileHost& files);
