// Runs the real application and its main window on the test thread while a
// driver thread acts as the user.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "UiDriver.h"
#include "app/DialerApp.h"
#include "app/DialerDlg.h"

inline constexpr char kCaption[] = "Tollwick v1.3";

inline const char kContacts[] =
    "# my numbers\n"
    "[PhoneNumbers]\n"
    "Ann,555 1234,2\n"
    "Bob ,   (555) 99-1, 7, extra\n";

// Every look at the clock finds a second gone: the Phone Dialer watch's
// waits end at once.
class InstantClock : public WatchClock {
public:
    std::uint32_t TickCount() override { return now_ += 1000; }
    void Pause() override {}

private:
    std::uint32_t now_ = 0;
};

class DialerWindow : public ::testing::Test {
protected:
    // The system's sounds and pictures, on an instant clock.
    static DialerPlatform TestPlatform() {
        static InstantClock clock;
        DialerPlatform platform = SystemPlatform();
        platform.clock = &clock;
        return platform;
    }
    void SetUp() override { theApp.SetPlatform(TestPlatform()); }

    CDialerDlg& Dialog() { return *static_cast<CDialerDlg*>(theApp.m_pMainWnd); }

    // Runs the application until its window closes; `drive` gets the main
    // window once it is shown. Should the driver give up, the run is ended.
    void Run(const std::function<void(HWND)>& drive, const char* firstMessageBox = nullptr) {
        const DWORD ui = ::GetCurrentThreadId();
        {
            DriverThread driver([&] {
                if (firstMessageBox != nullptr) {
                    HWND box = WaitForWindow(ui, firstMessageBox);
                    if (box == nullptr) {
                        ADD_FAILURE() << "no " << firstMessageBox << " message";
                    } else {
                        firstMessage_ = MessageBoxText(box);
                        firstMessageStyle_ = static_cast<DWORD>(::GetWindowLongA(box, GWL_STYLE));
                        ClickButton(box, IDOK);
                    }
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

    ScratchDirectory scratch_;
    std::string firstMessage_;
    DWORD firstMessageStyle_ = 0;
    HWND forwardTargetWhileOpen_ = nullptr;
};

// A pixel of one of the program's named pictures.
inline COLORREF PicturePixel(const char* name, int x, int y) {
    HBITMAP picture = static_cast<HBITMAP>(
        ::LoadImageA(::GetModuleHandleA(nullptr), name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    HDC dc = ::CreateCompatibleDC(nullptr);
    HGDIOBJ previous = ::SelectObject(dc, picture);
    const COLORREF colour = ::GetPixel(dc, x, y);
    ::SelectObject(dc, previous);
    ::DeleteDC(dc);
    ::DeleteObject(picture);
    return colour;
}

inline COLORREF WindowPixel(HWND window, int x, int y) {
    HDC dc = ::GetDC(window);
    const COLORREF colour = ::GetPixel(dc, x, y);
    ::ReleaseDC(window, dc);
    return colour;
}
