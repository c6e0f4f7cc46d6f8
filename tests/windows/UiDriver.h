// Drives windows of the thread under test from a second thread, the way a
// user's input arrives: posted messages, clicks on buttons, answers to
// message boxes found on screen.
#pragma once

#include <functional>
#include <string>

#include "framework/Win32.h"

// Runs `body` on its own thread; the destructor waits for it to end.
class DriverThread {
public:
    explicit DriverThread(std::function<void()> body);
    ~DriverThread();
    DriverThread(const DriverThread&) = delete;
    DriverThread& operator=(const DriverThread&) = delete;

private:
    static DWORD WINAPI Main(void* self);
    std::function<void()> body_;
    HANDLE thread_;
};

// Polls until `condition` holds; false after timeoutMs.
bool WaitUntil(const std::function<bool()>& condition, int timeoutMs = 10000);

// A visible top-level window of the thread with this caption, other than
// `except`, waited for; nullptr after the timeout.
HWND WaitForWindow(DWORD threadId, const char* caption, HWND except = nullptr, int timeoutMs = 10000);
// True when the thread shows no visible top-level window with this caption.
bool NoWindow(DWORD threadId, const char* caption);

// The text a message box shows.
std::string MessageBoxText(HWND box);
// Presses a button of a dialog or message box as a click would.
void ClickButton(HWND dialog, int id);
// The window that has the keyboard focus on that thread.
HWND FocusOf(DWORD threadId);
// Types one character at a window as the keyboard would after translation.
void PostChar(HWND window, char c);
void PostKey(HWND window, UINT virtualKey);

// A scratch directory made current for the life of the object.
class ScratchDirectory {
public:
    ScratchDirectory();
    ~ScratchDirectory();
    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;

    const std::string& Path() const { return path_; }

private:
    std::string path_;
    char previous_[MAX_PATH];
};

bool FileExists(const char* path);
