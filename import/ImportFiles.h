// Address-book files read from the disk and imported into the contact table,
// with the text converted to the program's code page by Windows.
#pragma once

#include <cstddef>

#include "contacts/ContactTable.h"
#include "framework/Win32.h"

// A file larger than this is refused unread: no address book is that big.
constexpr unsigned long kMaxAddressBookBytes = 16ul * 1024 * 1024;
// The most files one import takes; a drop of more imports the first ones.
constexpr int kMaxImportFiles = 64;

// Imports each file (a path ending in .vcf or .csv) into the table, in
// order, and writes the INFO box's summary of them all into `summary`,
// which also says how many files of the choice were left out (too many at
// once, or a path too long to take whole).
void ImportFiles(const char* const* paths, int count, int leftOut, ContactTable& table, char* summary,
                 std::size_t summarySize);

// The files of a drop on the window, as full paths. SHELL32, which reads a
// drop, is loaded on the first one rather than with the program.
class DroppedFiles {
public:
    // Reads the drop's files (the first kMaxImportFiles) and ends the drop.
    void Take(HDROP drop);
    int Count() const { return count_; }
    // The files of the drop that were not taken.
    int LeftOut() const { return leftOut_; }
    const char* const* Paths() const { return paths_; }

private:
    char names_[kMaxImportFiles][2 * MAX_PATH];
    const char* paths_[kMaxImportFiles];
    int count_ = 0;
    int leftOut_ = 0;
};
