#include "commands/FileDialogs.h"

#include <commdlg.h>

#include <cstdio>
#include <cstring>

#include "contacts/TextCopy.h"
#include "framework/RuntimeBinding.h"

namespace {

using FileDialogProc = BOOL(WINAPI*)(OPENFILENAMEA* dialog);

FileDialogProc BindFileDialog(const char* name) {
    return ProcAddress<FileDialogProc>(::LoadLibraryA("COMDLG32.DLL"), name);
}

constexpr char kAddressBookFilter[] = "Address books (*.vcf;*.csv)\0*.vcf;*.csv\0All files (*.*)\0*.*\0";

// The dialogs would otherwise make the chosen file's folder the current one,
// and contacts.txt and calls.txt are the current folder's.
constexpr DWORD kKeepFolder = OFN_NOCHANGEDIR;

// The folder the last Open dialog of the run ended in.
char lastFolder[MAX_PATH];

}  // namespace

bool ChosenFiles::Choose(HWND owner) {
    static const FileDialogProc getOpenFileName = BindFileDialog("GetOpenFileNameA");
    count_ = 0;
    leftOut_ = 0;
    if (getOpenFileName == nullptr) return false;
    buffer_[0] = '\0';
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = kAddressBookFilter;
    dialog.lpstrFile = buffer_;
    dialog.nMaxFile = sizeof buffer_;
    dialog.lpstrInitialDir = lastFolder[0] != '\0' ? lastFolder : nullptr;
    dialog.lpstrTitle = "Import address book";
    dialog.Flags = OFN_EXPLORER | OFN_ALLOWMULTISELECT | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST |
                   OFN_HIDEREADONLY | kKeepFolder;
    if (!getOpenFileName(&dialog)) return false;
    buffer_[sizeof buffer_ - 1] = '\0';
    buffer_[sizeof buffer_ - 2] = '\0';
    // One file: its full path. Several: the folder, then each file's name,
    // each ended by a zero, the whole ended by a second zero.
    const char* folder = buffer_;
    const char* name = folder + std::strlen(folder) + 1;
    if (*name == '\0') {
        CopyText(names_[0], folder);
        paths_[count_++] = names_[0];
        if (dialog.nFileOffset > 0 && dialog.nFileOffset < sizeof lastFolder)
            CopyText(lastFolder, dialog.nFileOffset, folder);
        return true;
    }
    CopyText(lastFolder, folder);
    for (; *name != '\0'; name += std::strlen(name) + 1) {
        const int length =
            count_ < kMaxChosenFiles ? std::snprintf(names_[count_], MAX_PATH, "%s\\%s", folder, name) : 0;
        if (length <= 0 || length >= MAX_PATH) {  // a cut path would name another file
            ++leftOut_;
            continue;
        }
        paths_[count_] = names_[count_];
        ++count_;
    }
    return count_ + leftOut_ > 0;
}

bool ChooseExportFile(HWND owner, char (&path)[MAX_PATH], AddressBookKind* kind) {
    static const FileDialogProc getSaveFileName = BindFileDialog("GetSaveFileNameA");
    if (getSaveFileName == nullptr) return false;
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = "vCard (*.vcf)\0*.vcf\0CSV (*.csv)\0*.csv\0";
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = path;
    dialog.nMaxFile = MAX_PATH;
    dialog.lpstrDefExt = "vcf";
    dialog.lpstrTitle = "Export contacts";
    dialog.Flags = OFN_EXPLORER | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | kKeepFolder;
    if (!getSaveFileName(&dialog)) return false;
    *kind = dialog.nFilterIndex == 2 ? AddressBookKind::kCsv : AddressBookKind::kVCard;
    // A name typed with the other type's extension keeps it, and that decides.
    if (KindOfPath(path) != AddressBookKind::kNone) *kind = KindOfPath(path);
    return true;
}
