#include "UiDriver.h"

#include <gtest/gtest.h>

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

// EnumThreadWindows calls back with the stdcall convention on i686, which a
// lambda cannot have.
BOOL CALLBACK MatchWindow(HWND window, LPARAM lParam) {
    auto* s = reinterpret_cast<WindowSearch*>(lParam);
    char text[256] = "";
    ::GetWindowTextA(window, text, sizeof text);
    if (window == s->except || !::IsWindowVisible(window) || std::string(text) != s->caption) return TRUE;
    s->found = window;
    return FALSE;
}

}  // namespace

HWND WaitForWindow(DWORD threadId, const char* caption, HWND except, int timeoutMs) {
    WindowSearch search{caption, except, nullptr};
    WaitUntil(
        [&] {
            ::EnumThreadWindows(threadId, MatchWindow, reinterpret_cast<LPARAM>(&search));
            return search.found != nullptr;
        },
        timeoutMs);
    return search.found;
}

INT_PTR RunDriven(const char* caption, const std::function<INT_PTR()>& run,
                  const std::function<void(HWND)>& drive) {
    const DWORD ui = ::GetCurrentThreadId();
    DriverThread driver([&] {
        HWND window = WaitForWindow(ui, caption);
        if (window != nullptr) return drive(window);
        ADD_FAILURE() << caption << " did not appear";
        ::PostThreadMessageA(ui, WM_QUIT, 0, 0);
    });
    return run();
}

std::string DialogItemText(HWND dialog, int id) {
    char text[512] = "";
    ::GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

HWND FocusOf(DWORD threadId) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return ::GetGUIThreadInfo(threadId, &info) ? info.hwndFocus : nullptr;
}

bool FocusReturnsTo(DWORD threadId, HWND dialog, HWND field) {
    if (WaitUntil([&] { return FocusOf(threadId) == field; }, 2000)) return true;
    if (FocusOf(threadId) != nullptr) return false;
    ::SetForegroundWindow(dialog);
    return WaitUntil([&] { return FocusOf(threadId) == field; }, 2000);
}

void PostKey(HWND window, UINT virtualKey) {
    const LPARAM scan = static_cast<LPARAM>(::MapVirtualKeyA(virtualKey, 0)) << 16;
    ::PostMessageA(window, WM_KEYDOWN, virtualKey, scan | 1);
    ::PostMessageA(window, WM_KEYUP, virtualKey, scan | 1 | (1u << 30) | (1u << 31));
}
