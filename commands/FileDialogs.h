// The system's Open and Save dialogs for address books. COMDLG32 is loaded
// when it is first needed, not with the program: most runs never open a file
// dialog.
#pragma once

#include "framework/Win32.h"
#include "import/AddressBookImport.h"

// The most files one Open dialog hands back.
constexpr int kMaxChosenFiles = 32;

// The address books the user chose, as full paths.
class ChosenFiles {
public:
    // Runs the Open dialog (several files at once, *.vcf and *.csv), starting
    // in the folder chosen last in this run; false when the user cancelled,
    // COMDLG32 is missing or the choice did not fit.
    bool Choose(HWND owner);
    int Count() const { return count_; }
    const char* const* Paths() const { return paths_; }
    // The chosen files that were not taken: past kMaxChosenFiles, or with a
    // path too long to take whole.
    int LeftOut() const { return leftOut_; }

private:
    char buffer_[32 * 1024];
    char names_[kMaxChosenFiles][MAX_PATH];
    const char* paths_[kMaxChosenFiles];
    int count_ = 0;
    int leftOut_ = 0;
};

// Runs the Save dialog for an export, vCard or CSV, starting with `path` as
// the file name; false when the user cancelled. The path gets the chosen
// type's extension when it has none.
bool ChooseExportFile(HWND owner, char (&path)[MAX_PATH], AddressBookKind* kind);
