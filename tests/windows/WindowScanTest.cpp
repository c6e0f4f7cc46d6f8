// The scan for the Phone Dialer's windows: exact titles, any program's.
#include <gtest/gtest.h>

#include <vector>

#include "calling/WindowScan.h"

namespace {

TEST(WindowScan, OnlyExactTitlesCountAndTheThreadIsThePhoneDialersOwn) {
    std::vector<HWND> windows;
    auto show = [&](const char* title) {
        windows.push_back(
            ::CreateWindowA("STATIC", title, WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr));
    };
    DialerWindows found{0, false, false};
    for (const char* title : {"phone dialer", "Phone Dialer ", "Phone Dialer2", "dialing", "Dialing..."})
        show(title);
    ScanDialerWindows(&found);
    EXPECT_FALSE(found.phoneDialerSeen);
    EXPECT_FALSE(found.dialingSeen);
    EXPECT_EQ(found.phoneDialerThread, 0u);

    show("Phone Dialer");  // hidden windows count too
    show("Dialing");
    ScanDialerWindows(&found);
    EXPECT_TRUE(found.phoneDialerSeen);
    EXPECT_TRUE(found.dialingSeen);
    EXPECT_EQ(found.phoneDialerThread, ::GetCurrentThreadId());
    for (HWND window : windows) ::DestroyWindow(window);
}

}  // namespace
