// Runs work on the real main window's own thread, inside its message loop,
// as its handlers run: under Wine, with `contacts` stored contacts in a
// scratch folder (Contact 000, +1 (555) 0000000, ...), numbered calls.
#pragma once

#include "app/DialerPlatform.h"
#include "framework/Win32.h"

// Starts the application with `platform`; once its window is up and painted,
// runs `work` on its thread and closes it. `alongside`, when given, runs on a
// second thread until the window is gone (to answer dialogs). False when the
// window did not appear.
bool RunOnMainWindow(int contacts, const DialerPlatform& platform, void (*work)(HWND main),
                     void (*alongside)(HWND main) = nullptr);
