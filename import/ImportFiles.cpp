#include "import/ImportFiles.h"

#include <cstdio>
#include <cstring>

#include "framework/RuntimeBinding.h"
#include "import/AddressBookImport.h"

namespace {

// The code pages of the character sets address books name.
struct Charset {
    const char* name;
    UINT codePage;
};
constexpr Charset kCharsets[] = {
    {"UTF-8", CP_UTF8},     {"US-ASCII", 20127},    {"ISO-8859-1", 28591},  {"ISO-8859-2", 28592},
    {"ISO-8859-15", 28605}, {"WINDOWS-1250", 1250}, {"WINDOWS-1251", 1251}, {"WINDOWS-1252", 1252},
    {"WINDOWS-1253", 1253}, {"WINDOWS-1254", 1254}, {"WINDOWS-1257", 1257}, {"KOI8-R", 20866},
    {"SHIFT_JIS", 932},     {"GB2312", 936},        {"BIG5", 950},          {"EUC-KR", 949},
};

// Converts through UTF-16 to the program's ANSI code page, "?" for what it
// cannot show.
class WindowsImportHost final : public ImportHost {
public:
    int ToAnsi(const char* charset, const char* text, int length, char* out, int outSize) override {
        if (outSize <= 0) return 0;
        out[0] = '\0';
        UINT codePage = 0;
        for (const Charset& c : kCharsets) {
            if (::lstrcmpiA(c.name, charset) == 0) codePage = c.codePage;
        }
        if (codePage == 0) return -1;
        if (length > kMaxChars) length = kMaxChars;
        const int wide = ::MultiByteToWideChar(codePage, 0, text, length, wide_, kMaxChars);
        if (length > 0 && wide == 0) return -1;
        const int bytes = ::WideCharToMultiByte(CP_ACP, 0, wide_, wide, ansi_, sizeof ansi_, "?", nullptr);
        // As much as fits, never half a double-byte character.
        int kept = 0;
        while (kept < bytes) {
            const int step = ::IsDBCSLeadByte(static_cast<BYTE>(ansi_[kept])) ? 2 : 1;
            if (kept + step > bytes || kept + step > outSize - 1) break;
            kept += step;
        }
        std::memcpy(out, ansi_, static_cast<std::size_t>(kept));
        out[kept] = '\0';
        return kept;
    }

    bool IsLeadByte(unsigned char byte) override { return ::IsDBCSLeadByte(byte) != FALSE; }

private:
    static constexpr int kMaxChars = 4096;
    wchar_t wide_[kMaxChars];
    char ansi_[2 * kMaxChars];
};

// A whole file in memory, read once; empty when it could not be read or is
// too large to be an address book.
class FileContents {
public:
    explicit FileContents(const char* path) {
        HANDLE file = ::CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
        if (file == INVALID_HANDLE_VALUE) return;
        LARGE_INTEGER size;
        if (::GetFileSizeEx(file, &size) && size.QuadPart <= static_cast<LONGLONG>(kMaxAddressBookBytes)) {
            const DWORD wanted = static_cast<DWORD>(size.QuadPart);
            bytes_ = static_cast<char*>(::HeapAlloc(::GetProcessHeap(), 0, wanted + 1));
            DWORD read = 0;
            if (bytes_ != nullptr && ::ReadFile(file, bytes_, wanted, &read, nullptr) && read == wanted) {
                size_ = read;
                readable_ = true;
            }
        }
        ::CloseHandle(file);
    }
    ~FileContents() {
        if (bytes_ != nullptr) ::HeapFree(::GetProcessHeap(), 0, bytes_);
    }
    FileContents(const FileContents&) = delete;
    FileContents& operator=(const FileContents&) = delete;

    bool Readable() const { return readable_; }
    const char* Bytes() const { return bytes_; }
    std::size_t Size() const { return size_; }

private:
    char* bytes_ = nullptr;
    std::size_t size_ = 0;
    bool readable_ = false;
};

using DragQueryFileProc = UINT(WINAPI*)(HDROP drop, UINT index, LPSTR file, UINT size);
using DragFinishProc = void(WINAPI*)(HDROP drop);

}  // namespace

void DroppedFiles::Take(HDROP drop) {
    static HMODULE shell = ::LoadLibraryA("SHELL32.DLL");
    static const DragQueryFileProc queryFile = ProcAddress<DragQueryFileProc>(shell, "DragQueryFileA");
    static const DragFinishProc finish = ProcAddress<DragFinishProc>(shell, "DragFinish");
    count_ = 0;
    leftOut_ = 0;
    if (queryFile == nullptr || finish == nullptr) return;
    const UINT files = queryFile(drop, 0xFFFFFFFF, nullptr, 0);
    leftOut_ = static_cast<int>(files);
    for (UINT i = 0; i < files && count_ < kMaxImportFiles; ++i) {
        // A path too long for the buffer is left out rather than cut.
        const UINT length = queryFile(drop, i, nullptr, 0);
        if (length == 0 || length >= sizeof names_[count_]) continue;
        if (queryFile(drop, i, names_[count_], sizeof names_[count_]) != length) continue;
        paths_[count_] = names_[count_];
        ++count_;
        --leftOut_;
    }
    finish(drop);
}

void ImportFiles(const char* const* paths, int count, int leftOut, ContactTable& table, char* summary,
                 std::size_t summarySize) {
    // Large buffers: the host's text, not the window thread's stack.
    static WindowsImportHost host;
    const char* unreadable[kMaxImportFiles];
    const char* notAddressBooks[kMaxImportFiles];
    int unreadableCount = 0, notAddressBookCount = 0;
    ImportCounts counts{};
    for (int i = 0; i < count && i < kMaxImportFiles; ++i) {
        const AddressBookKind kind = KindOfPath(paths[i]);
        if (kind == AddressBookKind::kNone) {
            notAddressBooks[notAddressBookCount++] = paths[i];
            continue;
        }
        FileContents file(paths[i]);
        const ImportResult result =
            file.Readable() ? ImportAddressBook(file.Bytes(), file.Size(), kind, table, host, counts)
                            : ImportResult::kUnreadable;
        if (result == ImportResult::kUnreadable) {
            unreadable[unreadableCount++] = paths[i];
        } else if (result == ImportResult::kNotAnAddressBook) {
            notAddressBooks[notAddressBookCount++] = paths[i];
        }
    }
    FormatImportSummary(counts, unreadable, unreadableCount, notAddressBooks, notAddressBookCount, summary,
                        summarySize);
    if (count > kMaxImportFiles) leftOut += count - kMaxImportFiles;
    if (leftOut > 0) {
        const std::size_t length = std::strlen(summary);
        std::snprintf(summary + length, summarySize - length,
                      "\n%d more file%s left out: too many at once, or a path too long.", leftOut,
                      leftOut == 1 ? " was" : "s were");
    }
}
