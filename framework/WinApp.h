// CWinApp: the one application object. WinMain hands control to it; the
// program ends when InitInstance returns.
#pragma once

#include "framework/Win32.h"

class CWnd;

class CWinApp {
public:
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // The application's start-up; the program has no message loop of its own,
    // so it ends when this returns.
    virtual BOOL InitInstance() = 0;

    // Sees every message that passes through dialog message processing
    // (IsDialogMessage, message boxes) on the thread that runs the
    // application; TRUE means the message was handled and goes nowhere else.
    virtual BOOL ProcessMessageFilter(int code, MSG* message);

    // Called by WinMain: hooks the thread's dialog messages and runs InitInstance.
    int Run();

    static CWinApp* Current() { return current_; }
    // Where the program's templates, pictures, icons and sounds are.
    static HINSTANCE ResourceHandle();

    HINSTANCE m_hInstance;
    CWnd* m_pMainWnd = nullptr;
    // The program's command-line arguments after its name, as WinMain found
    // them; none when the application runs without WinMain.
    int m_argc = 0;
    char** m_argv = nullptr;

private:
    static CWinApp* current_;
};

// Routes the current thread's WH_MSGFILTER hook to the application's
// ProcessMessageFilter while it lives.
class MessageFilterHook {
public:
    MessageFilterHook();
    ~MessageFilterHook();
    MessageFilterHook(const MessageFilterHook&) = delete;
    MessageFilterHook& operator=(const MessageFilterHook&) = delete;

private:
    HHOOK hook_;
};
