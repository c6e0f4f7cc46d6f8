// The scan for the Phone Dialer's windows: exact titles, hidden ones too.
#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

#include "calling/WindowScan.h"

TEST(WindowScan, OnlyExactTitlesCountAndTheThreadIsThePhoneDialersOwn) {
    std::vector<HWND> windows;
    auto scanWith = [&](std::initializer_list<const char*> titles) {
        for (const char* title : titles)
            windows.push_back(
                ::CreateWindowA("STATIC", title, WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr));
        DialerWindows found{0, false, false};
        ScanDialerWindows(&found);
        return found;
    };
    const DialerWindows lookalikes =
        scanWith({"phone dialer", "Phone Dialer ", "Phone Dialer2", "dialing", "Dialing..."});
    EXPECT_FALSE(lookalikes.phoneDialerThread != 0 || lookalikes.phoneDialerSeen || lookalikes.dialingSeen);
    const DialerWindows exact = scanWith({"Phone Dialer", "Dialing"});
    EXPECT_TRUE(exact.phoneDialerSeen && exact.dialingSeen);
    EXPECT_EQ(exact.phoneDialerThread, ::GetCurrentThreadId());
    for (HWND window : windows) ::DestroyWindow(window);
}
