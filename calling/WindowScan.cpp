#include "calling/WindowScan.h"

#include <cstring>

namespace {

// A title is read with at most 199 characters; longer ones match neither.
constexpr int kTitleBufferSize = 200;
constexpr int kTitleReadCount = 199;

}  // namespace

BOOL CALLBACK FindDialerWindowsProc(HWND window, LPARAM found) {
    auto* windows = reinterpret_cast<DialerWindows*>(found);
    char title[kTitleBufferSize];
    if (::GetWindowTextA(window, title, kTitleReadCount) <= 0) title[0] = '\0';
    if (std::strcmp(title, kPhoneDialerTitle) == 0) {
        windows->phoneDialerThread = ::GetWindowThreadProcessId(window, nullptr);
        windows->phoneDialerSeen = true;
    }
    if (std::strcmp(title, kDialingTitle) == 0) windows->dialingSeen = true;
    return TRUE;  // every window counts: the last "Phone Dialer" one wins
}

void ScanDialerWindows(DialerWindows* found) {
    ::EnumWindows(FindDialerWindowsProc, reinterpret_cast<LPARAM>(found));
}
