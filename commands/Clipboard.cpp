#include "commands/Clipboard.h"

#include <cstring>

#include "contacts/TextCopy.h"
#include "handover/NumberInText.h"

namespace {

// Open for its life; another program may hold the clipboard, then it is not.
class OpenClipboardGuard {
public:
    explicit OpenClipboardGuard(HWND owner) : open_(::OpenClipboard(owner) != FALSE) {}
    ~OpenClipboardGuard() {
        if (open_) ::CloseClipboard();
    }
    OpenClipboardGuard(const OpenClipboardGuard&) = delete;
    OpenClipboardGuard& operator=(const OpenClipboardGuard&) = delete;
    bool IsOpen() const { return open_; }

private:
    bool open_;
};

// Holds a global memory block locked while it lives.
class GlobalLockGuard {
public:
    explicit GlobalLockGuard(HANDLE memory)
        : memory_(memory), data_(memory != nullptr ? ::GlobalLock(memory) : nullptr) {}
    ~GlobalLockGuard() {
        if (data_ != nullptr) ::GlobalUnlock(memory_);
    }
    GlobalLockGuard(const GlobalLockGuard&) = delete;
    GlobalLockGuard& operator=(const GlobalLockGuard&) = delete;
    const void* Data() const { return data_; }
    // The block's size, which another program chose: never read past it.
    std::size_t Size() const { return data_ != nullptr ? ::GlobalSize(memory_) : 0; }

private:
    HANDLE memory_;
    void* data_;
};

// The clipboard's text, at most kMaxPastedText characters of it, in the
// code page; its length, or -1 without text. A character of a double-byte
// code page may take two bytes, so `out` holds twice as many.
int ReadClipboardText(char (&out)[2 * kMaxPastedText + 1]) {
    if (::IsClipboardFormatAvailable(CF_UNICODETEXT)) {
        GlobalLockGuard text(::GetClipboardData(CF_UNICODETEXT));
        if (text.Data() == nullptr) return -1;
        const auto* wide = static_cast<const wchar_t*>(text.Data());
        std::size_t length = 0;
        const std::size_t limit = text.Size() / sizeof(wchar_t);
        while (length < limit && length < kMaxPastedText && wide[length] != L'\0') ++length;
        const int written = length == 0 ? 0
                                        : ::WideCharToMultiByte(CP_ACP, 0, wide, static_cast<int>(length),
                                                                out, sizeof out - 1, nullptr, nullptr);
        out[written] = '\0';
        return written;
    }
    if (!::IsClipboardFormatAvailable(CF_TEXT)) return -1;
    GlobalLockGuard text(::GetClipboardData(CF_TEXT));
    if (text.Data() == nullptr) return -1;
    const auto* bytes = static_cast<const char*>(text.Data());
    std::size_t length = 0;
    while (length < text.Size() && length < kMaxPastedText && bytes[length] != '\0') ++length;
    std::memcpy(out, bytes, length);
    out[length] = '\0';
    return static_cast<int>(length);
}

// A movable global block holding `bytes`, for SetClipboardData, or nullptr.
HGLOBAL GlobalCopy(const void* bytes, std::size_t size) {
    HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, size);
    if (memory == nullptr) return nullptr;
    void* data = ::GlobalLock(memory);
    if (data == nullptr) {
        ::GlobalFree(memory);
        return nullptr;
    }
    std::memcpy(data, bytes, size);
    ::GlobalUnlock(memory);
    return memory;
}

// The clipboard owns a block once it took it; one it refused is ours to free.
bool GiveToClipboard(UINT format, HGLOBAL memory) {
    if (memory == nullptr) return false;
    if (::SetClipboardData(format, memory) != nullptr) return true;
    ::GlobalFree(memory);
    return false;
}

}  // namespace

bool ClipboardHasText() {
    return ::IsClipboardFormatAvailable(CF_UNICODETEXT) || ::IsClipboardFormatAvailable(CF_TEXT);
}

bool PastedNumber(HWND owner, char* number, std::size_t size) {
    char text[2 * kMaxPastedText + 1];
    int length;
    {
        OpenClipboardGuard clipboard(owner);
        if (!clipboard.IsOpen()) return false;
        length = ReadClipboardText(text);
    }
    char found[kNumberFieldLimit + 1];
    if (length < 0 || !FindNumberInText(text, static_cast<std::size_t>(length), found)) return false;
    CopyText(number, size, found);
    return true;
}

bool CopyTextToClipboard(HWND owner, const char* text) {
    OpenClipboardGuard clipboard(owner);
    if (!clipboard.IsOpen() || !::EmptyClipboard()) return false;
    const int length = static_cast<int>(std::strlen(text));
    wchar_t wide[kMaxPastedText + 1];
    const int wideLength = ::MultiByteToWideChar(CP_ACP, 0, text, length, wide, kMaxPastedText);
    wide[wideLength > 0 ? wideLength : 0] = L'\0';
    const bool plain = GiveToClipboard(CF_TEXT, GlobalCopy(text, static_cast<std::size_t>(length) + 1));
    const bool unicode = GiveToClipboard(
        CF_UNICODETEXT,
        GlobalCopy(wide, (static_cast<std::size_t>(wideLength > 0 ? wideLength : 0) + 1) * sizeof(wchar_t)));
    return plain && unicode;
}
