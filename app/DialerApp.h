// The application object: runs the main window and routes typed characters
// to it from whichever of its controls has the focus.
#pragma once

#include "framework/WinApp.h"

class CDialerApp : public CWinApp {
public:
    BOOL InitInstance() override;
    BOOL ProcessMessageFilter(int code, MSG* message) override;

    // The main window while it is open: characters typed anywhere in it go
    // to its character handler instead of the focused control.
    void SetForwardCharTarget(HWND window) { forwardCharTarget_ = window; }
    HWND ForwardCharTarget() const { return forwardCharTarget_; }

private:
    HWND forwardCharTarget_ = nullptr;
};

extern CDialerApp theApp;
