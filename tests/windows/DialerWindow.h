// Runs the real application and its main window on the test thread while a
// driver thread acts as the user.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "UiDriver.h"
#include "app/DialerApp.h"
#include "app/DialerDlg.h"
#include "tests/common/InstantClock.h"

inline constexpr char kCaption[] = "Tollwick v1.3";

inline const char kContacts[] =
    "# my numbers\n"
    "[PhoneNumbers]\n"
    "Ann,555 1234,2\n"
    "Bob ,   (555) 99-1, 7, extra\n";

class DialerWindow : public ::testing::Test {
protected:
    // The system's pictures, on an instant clock; the sounds are recorded.
    static DialerPlatform TestPlatform() {
        static InstantClock clock;
        DialerPlatform platform = SystemPlatform();
        platform.clock = &clock;
        platform.playSound = [](int sound) { Sounds().push_back(sound); };
        return platform;
    }
    // The sounds started on the window's thread, in order.
    static std::vector<int>& Sounds() {
        static std::vector<int> sounds;
        return sounds;
    }
    void SetUp() override {
        Sounds().clear();
        theApp.SetPlatform(TestPlatform());
    }

    CDialerDlg& Dialog() { return *static_cast<CDialerDlg*>(theApp.m_pMainWnd); }
    // Waits for the dial number to read so.
    bool NumberIs(const std::string& number) {
        return WaitUntil([&] { return Dialog().Entry().Number() == number; });
    }

    // Runs the application until its window closes; `drive` gets the main
    // window once it is shown. Should the driver give up, the run is ended.
    void Run(const std::function<void(HWND)>& drive, const char* firstMessageBox = nullptr) {
        {
            DriverThread driver([&] {
                // A missing box leaves firstMessage_ empty.
                if (HWND box = firstMessageBox != nullptr ? WaitForWindow(ui, firstMessageBox) : nullptr) {
                    firstMessage_ = MessageBoxText(box);
                    ClickButton(box, IDOK);
                }
                HWND main = WaitForWindow(ui, kCaption);
                if (main == nullptr) {
                    ADD_FAILURE() << "the main window did not appear";
                } else {
                    forwardTargetWhileOpen_ = theApp.ForwardCharTarget();
                    drive(main);
                    if (WaitUntil([&] { return NoWindow(ui, kCaption); })) return;
                    ADD_FAILURE() << "the main window did not close";
                }
                ::PostThreadMessageA(ui, WM_QUIT, 0, 0);
            });
            MessageFilterHook hook;
            theApp.InitInstance();
        }
        MSG leftover;
        while (::PeekMessageA(&leftover, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
    }

    void TearDown() override { theApp.SetPlatform(SystemPlatform()); }

    const DWORD ui = ::GetCurrentThreadId();  // the thread under test
    ScratchDirectory scratch_;
    std::string firstMessage_;
    HWND forwardTargetWhileOpen_ = nullptr;
};

// The records of a contacts file, without its banner. The file may be read
// while the window replaces it: then it holds none.
inline std::string Records(const std::string& file) {
    const std::size_t section = file.find("[PhoneNumbers]");
    return section == std::string::npos ? "" : file.substr(section);
}

// A box of this caption other than `except`, answered with OK; its text.
inline std::string Answer(DWORD ui, const char* caption, HWND except = nullptr) {
    HWND box = WaitForWindow(ui, caption, except);
    if (box == nullptr) return "<no " + std::string(caption) + " box>";
    const std::string text = MessageBoxText(box);
    ClickButton(box, IDOK);
    return text;
}

// A rectangle of pixels of a window, or of one of the program's named
// pictures, copied out through a memory DC.
inline std::vector<COLORREF> Pixels(HWND window, const char* picture, int x, int y, int width = 1,
                                    int height = 1) {
    HDC source = window != nullptr ? ::GetDC(window) : ::CreateCompatibleDC(nullptr);
    HGDIOBJ held = picture == nullptr
                       ? nullptr
                       : ::SelectObject(source, ::LoadImageA(::GetModuleHandleA(nullptr), picture,
                                                             IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    HDC memory = ::CreateCompatibleDC(source);
    HGDIOBJ previous = ::SelectObject(memory, ::CreateCompatibleBitmap(source, width, height));
    ::BitBlt(memory, 0, 0, width, height, source, x, y, SRCCOPY);
    std::vector<COLORREF> pixels;
    for (int row = 0; row < height; ++row)
        for (int column = 0; column < width; ++column) pixels.push_back(::GetPixel(memory, column, row));
    ::DeleteObject(::SelectObject(memory, previous));
    ::DeleteDC(memory);
    if (window != nullptr) {
        ::ReleaseDC(window, source);
    } else {
        ::DeleteObject(::SelectObject(source, held));
        ::DeleteDC(source);
    }
    return pixels;
}
