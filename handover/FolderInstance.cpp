#include "handover/FolderInstance.h"

#include <cstdio>

#include "handover/Arguments.h"
#include "handover/InstanceName.h"

namespace {

// How long a later start waits for the first one's window to exist, and for
// that window to take the arguments.
constexpr DWORD kWindowWaitMs = 10000;
constexpr DWORD kPollMs = 50;

// The current folder's full path, long names and in upper case, as Windows
// compares paths; false when it cannot be had.
bool FoldedCurrentFolder(char (&path)[2 * MAX_PATH], DWORD* length) {
    char full[2 * MAX_PATH];
    const DWORD fullLength = ::GetFullPathNameA(".", sizeof full, full, nullptr);
    if (fullLength == 0 || fullLength >= sizeof full) return false;
    // A short 8.3 name and the long one name the same folder.
    *length = ::GetLongPathNameA(full, path, sizeof path);
    if (*length == 0 || *length >= sizeof path) {
        ::lstrcpynA(path, full, sizeof path);
        *length = fullLength;
    }
    ::CharUpperBuffA(path, *length);
    return true;
}

}  // namespace

int ReadCommandLine(int argc, char** argv, HandoverArguments* arguments) {
    int leftOut = 0;
    for (int i = 0; i < argc; ++i) {
        char number[kArgumentNumberSize];
        char full[2 * MAX_PATH];
        const char* argument = argv[i];
        if (ReadArgument(argument, number) == ArgumentKind::kAddressBook) {
            const DWORD length = ::GetFullPathNameA(argument, sizeof full, full, nullptr);
            if (length > 0 && length < sizeof full) argument = full;
        }
        if (!arguments->Add(argument)) ++leftOut;
    }
    return leftOut;
}

void SayArgumentsLeftOut(int leftOut) {
    char text[200];
    std::snprintf(text, sizeof text,
                  "Tollwick takes at most %d numbers and address books at once:\n%d more %s left out.",
                  kMaxHandoverArguments, leftOut, leftOut == 1 ? "was" : "were");
    ::MessageBoxA(nullptr, text, "INFO", MB_OK | MB_ICONINFORMATION | MB_SETFOREGROUND);
}

FolderInstance::~FolderInstance() {
    if (window_ != nullptr) ::UnmapViewOfFile(const_cast<LONG*>(window_));
    if (mapping_ != nullptr) ::CloseHandle(mapping_);
}

bool FolderInstance::Claim() {
    char path[2 * MAX_PATH];
    DWORD length = 0;
    if (!FoldedCurrentFolder(path, &length)) return true;
    char name[kInstanceNameSize];
    MakeInstanceName(path, length, name);
    // Creating a named object is atomic: of two starts at once, one makes it.
    mapping_ = ::CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(LONG), name);
    if (mapping_ == nullptr) return true;
    const bool first = ::GetLastError() != ERROR_ALREADY_EXISTS;
    window_ = static_cast<volatile LONG*>(::MapViewOfFile(mapping_, FILE_MAP_WRITE, 0, 0, sizeof(LONG)));
    return first || window_ == nullptr;
}

void FolderInstance::Publish(HWND window) {
    if (window_ != nullptr) ::InterlockedExchange(window_, HandleToLong(window));
}

bool FolderInstance::HandOver(const HandoverArguments& arguments) {
    if (window_ == nullptr) return false;
    HWND window = nullptr;
    for (DWORD waited = 0; waited < kWindowWaitMs; waited += kPollMs) {
        window = static_cast<HWND>(LongToHandle(::InterlockedCompareExchange(window_, 0, 0)));
        if (window != nullptr) break;
        ::Sleep(kPollMs);
    }
    if (window == nullptr || !::IsWindow(window)) return false;
    if (::IsIconic(window)) ::ShowWindow(window, SW_RESTORE);
    // A dialog or message box of that window comes forward with it.
    ::SetForegroundWindow(::GetLastActivePopup(window));
    COPYDATASTRUCT data{kHandoverTag, static_cast<DWORD>(arguments.Size()),
                        const_cast<char*>(arguments.Bytes())};
    DWORD_PTR taken = FALSE;
    return ::SendMessageTimeoutA(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data), SMTO_ABORTIFHUNG,
                                 kWindowWaitMs, &taken) != 0 &&
           taken == TRUE;
}
