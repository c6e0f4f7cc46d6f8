#include "UiDriver.h"

#include <cstdio>

DriverThread::DriverThread(std::function<void()> body)
    : body_(std::move(body)), thread_(::CreateThread(nullptr, 0, Main, this, 0, nullptr)) {}

DriverThread::~DriverThread() {
    if (thread_ != nullptr) {
        ::WaitForSingleObject(thread_, INFINITE);
        ::CloseHandle(thread_);
    }
}

DWORD WINAPI DriverThread::Main(void* self) {
    static_cast<DriverThread*>(self)->body_();
    return 0;
}

bool WaitUntil(const std::function<bool()>& condition, int timeoutMs) {
    const DWORD start = ::GetTickCount();
    while (!condition()) {
        if (static_cast<int>(::GetTickCount() - start) > timeoutMs) return false;
        ::Sleep(10);
    }
    return true;
}

namespace {

struct WindowSearch {
    const char* caption;
    HWND except;
    HWND found;
};

BOOL CALLBACK MatchCaption(HWND window, LPARAM lParam) {
    auto* search = reinterpret_cast<WindowSearch*>(lParam);
    char text[256];
    if (window != search->except && ::IsWindowVisible(window) &&
        ::GetWindowTextA(window, text, sizeof text) >= 0 && std::string(text) == search->caption) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND FindThreadWindow(DWORD threadId, const char* caption, HWND except = nullptr) {
    WindowSearch search{caption, except, nullptr};
    ::EnumThreadWindows(threadId, MatchCaption, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace

HWND WaitForWindow(DWORD threadId, const char* caption, HWND except, int timeoutMs) {
    HWND found = nullptr;
    WaitUntil([&] { return (found = FindThreadWindow(threadId, caption, except)) != nullptr; }, timeoutMs);
    return found;
}

bool NoWindow(DWORD threadId, const char* caption) {
    return FindThreadWindow(threadId, caption) == nullptr;
}

std::string MessageBoxText(HWND box) {
    char text[512] = "";
    // A message box's text is the static control with id 0xFFFF.
    ::GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
    return text;
}

HWND FocusOf(DWORD threadId) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return ::GetGUIThreadInfo(threadId, &info) ? info.hwndFocus : nullptr;
}

void ClickButton(HWND dialog, int id) {
    ::PostMessageA(::GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

void PostChar(HWND window, char c) {
    ::PostMessageA(window, WM_CHAR, static_cast<unsigned char>(c), 1);
}

void PostKey(HWND window, UINT virtualKey) {
    const LPARAM scan = static_cast<LPARAM>(::MapVirtualKeyA(virtualKey, 0)) << 16;
    ::PostMessageA(window, WM_KEYDOWN, virtualKey, scan | 1);
    ::PostMessageA(window, WM_KEYUP, virtualKey, scan | 1 | (1u << 30) | (1u << 31));
}

ScratchDirectory::ScratchDirectory() {
    char base[MAX_PATH];
    ::GetTempPathA(sizeof base, base);
    char name[MAX_PATH];
    ::GetTempFileNameA(base, "tw", 0, name);  // makes a unique file; a folder replaces it
    ::DeleteFileA(name);
    ::CreateDirectoryA(name, nullptr);
    path_ = name;
    ::GetCurrentDirectoryA(sizeof previous_, previous_);
    ::SetCurrentDirectoryA(name);
}

ScratchDirectory::~ScratchDirectory() {
    ::SetCurrentDirectoryA(previous_);
    WIN32_FIND_DATAA entry;
    const std::string pattern = path_ + "\\*";
    HANDLE find = ::FindFirstFileA(pattern.c_str(), &entry);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::string child = path_ + "\\" + entry.cFileName;
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                ::RemoveDirectoryA(child.c_str());
            } else {
                ::DeleteFileA(child.c_str());
            }
        } while (::FindNextFileA(find, &entry));
        ::FindClose(find);
    }
    ::RemoveDirectoryA(path_.c_str());
}

bool FileExists(const char* path) {
    return ::GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
}
