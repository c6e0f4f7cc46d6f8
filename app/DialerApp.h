// The application object: runs the main window and routes typed characters
// to it from whichever of its controls has the focus.
#pragma once

#include "app/DialerPlatform.h"
#include "framework/WinApp.h"

class CDialerApp : public CWinApp {
public:
    BOOL InitInstance() override;
    BOOL ProcessMessageFilter(int code, MSG* message) override;

    // The main window while it is open: characters typed anywhere in it go
    // to its character handler instead of the focused control.
    void SetForwardCharTarget(HWND window) { forwardCharTarget_ = window; }
    HWND ForwardCharTarget() const { return forwardCharTarget_; }

    // What the next main window takes from the system.
    const DialerPlatform& Platform() const { return platform_; }
    void SetPlatform(const DialerPlatform& platform) { platform_ = platform; }

private:
    HWND forwardCharTarget_ = nullptr;
    DialerPlatform platform_ = SystemPlatform();
};

extern CDialerApp theApp;
