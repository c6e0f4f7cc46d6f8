#include "bench/window/OnMainWindow.h"

#include <cstdio>

#include "app/DialerApp.h"

namespace {

constexpr UINT kWorkMessage = WM_APP + 1;

struct Run {
    DWORD uiThread;
    void (*work)(HWND);
    void (*alongside)(HWND);
    bool shown;
} run;

LRESULT CALLBACK WorkHook(int code, WPARAM wParam, LPARAM lParam) {
    auto* message = reinterpret_cast<MSG*>(lParam);
    if (code == HC_ACTION && wParam == PM_REMOVE && message->hwnd == nullptr &&
        message->message == kWorkMessage) {
        HWND main = reinterpret_cast<HWND>(message->lParam);
        run.work(main);
        ::PostMessageA(main, WM_COMMAND, IDOK, 0);
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

DWORD WINAPI Drive(void*) {
    HWND main = nullptr;
    for (int i = 0; i < 1000 && main == nullptr; ++i, ::Sleep(10))
        main = ::FindWindowA(nullptr, "Tollwick v1.3");
    if (main == nullptr) {
        ::PostThreadMessageA(run.uiThread, WM_QUIT, 0, 0);
        return 1;
    }
    run.shown = true;
    ::Sleep(300);  // let the first paint settle
    ::PostThreadMessageA(run.uiThread, kWorkMessage, 0, reinterpret_cast<LPARAM>(main));
    if (run.alongside != nullptr) run.alongside(main);
    return 0;
}

void WriteContacts(int contacts) {
    char folder[MAX_PATH], base[MAX_PATH];
    ::GetTempPathA(sizeof base, base);
    ::GetTempFileNameA(base, "twb", 0, folder);
    ::DeleteFileA(folder);
    ::CreateDirectoryA(folder, nullptr);
    ::SetCurrentDirectoryA(folder);
    std::FILE* file = std::fopen("contacts.txt", "wb");
    std::fputs("[PhoneNumbers]\r\n", file);
    for (int i = 0; i < contacts; ++i)
        std::fprintf(file, "Contact %03d, +1 (555) %07d, %d\r\n", i, i, i % 37);
    std::fclose(file);
}

}  // namespace

bool RunOnMainWindow(int contacts, const DialerPlatform& platform, void (*work)(HWND),
                     void (*alongside)(HWND)) {
    WriteContacts(contacts);
    theApp.SetPlatform(platform);
    run = {::GetCurrentThreadId(), work, alongside, false};
    HHOOK hook = ::SetWindowsHookExA(WH_GETMESSAGE, WorkHook, nullptr, run.uiThread);
    HANDLE driver = ::CreateThread(nullptr, 0, Drive, nullptr, 0, nullptr);
    {
        MessageFilterHook filter;
        theApp.InitInstance();
    }
    ::UnhookWindowsHookEx(hook);
    ::WaitForSingleObject(driver, INFINITE);
    ::CloseHandle(driver);
    return run.shown;
}
