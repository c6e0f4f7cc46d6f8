// The Phone Dialer seen from outside: top-level windows by their exact titles.
#pragma once

#include "calling/DialerWatch.h"
#include "framework/Win32.h"

// Looks at every top-level window, visible or not, and sets in `found` what
// has the title "Phone Dialer" (and the thread of the last such window) or
// "Dialing". Fields are only set, never cleared.
void ScanDialerWindows(DialerWindows* found);

// The EnumWindows callback of that scan; `found` is the DialerWindows.
BOOL CALLBACK FindDialerWindowsProc(HWND window, LPARAM found);
