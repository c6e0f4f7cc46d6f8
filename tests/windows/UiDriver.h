// Drives windows of the thread under test from a second thread the way a
// user's input arrives: posted messages, clicks, answers to message boxes.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <thread>

#include "framework/Win32.h"

// Runs `body` on its own thread; the destructor waits for it to end.
class DriverThread {
public:
    explicit DriverThread(std::function<void()> body) : thread_(std::move(body)) {}
    ~DriverThread() { thread_.join(); }

private:
    std::thread thread_;
};

// Polls until `condition` holds; false after timeoutMs.
bool WaitUntil(const std::function<bool()>& condition, int timeoutMs = 10000);

// A visible top-level window of the thread with this caption, other than
// `except`, waited for; nullptr after the timeout.
HWND WaitForWindow(DWORD threadId, const char* caption, HWND except = nullptr, int timeoutMs = 10000);
// True when the thread shows no visible top-level window with this caption.
inline bool NoWindow(DWORD threadId, const char* caption) {
    return WaitForWindow(threadId, caption, nullptr, 0) == nullptr;
}

// Runs `run`, a modal loop, on this thread while `drive` acts on the window
// with this caption from a driver thread; gives what `run` returned.
INT_PTR RunDriven(const char* caption, const std::function<INT_PTR()>& run,
                  const std::function<void(HWND)>& drive);

// The text of a dialog's control; a message box's text is its control 0xFFFF.
std::string DialogItemText(HWND dialog, int id);
inline std::string MessageBoxText(HWND box) {
    return DialogItemText(box, 0xFFFF);
}
// Presses a button of a dialog or message box as a click would.
inline void ClickButton(HWND dialog, int id) {
    ::PostMessageA(::GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}
// The window that has the keyboard focus on that thread.
HWND FocusOf(DWORD threadId);
// Waits for the focus to come back to `field` once a message box of `dialog`
// closed. Wine without a window manager may leave the thread no focus at all:
// brought forward again, the dialog gets back the focus it last had.
bool FocusReturnsTo(DWORD threadId, HWND dialog, HWND field);
// Types one character at a window as the keyboard would after translation.
inline void PostChar(HWND window, char c) {
    ::PostMessageA(window, WM_CHAR, static_cast<unsigned char>(c), 1);
}
void PostKey(HWND window, UINT virtualKey);

// A scratch directory made current for the life of the object.
class ScratchDirectory {
public:
    ScratchDirectory() : previous_(std::filesystem::current_path()) {
        char name[MAX_PATH];
        ::GetTempFileNameA(std::filesystem::temp_directory_path().string().c_str(), "tw", 0, name);
        std::filesystem::remove(name);  // the unique file gives way to a folder
        std::filesystem::create_directory(name);
        std::filesystem::current_path(path_ = name);
    }
    ~ScratchDirectory() {
        std::filesystem::current_path(previous_);
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    std::string Path() const { return path_.string(); }

private:
    std::filesystem::path previous_, path_;
};

inline bool FileExists(const char* path) {
    return ::GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
}
