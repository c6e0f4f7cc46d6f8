// The application object: runs the main window and routes typed characters
// to it from whichever of its controls has the focus.
#pragma once

#include "app/DialerPlatform.h"
#include "framework/WinApp.h"
#include "handover/FolderInstance.h"

class CDialerApp : public CWinApp {
public:
    BOOL InitInstance() override;
    BOOL ProcessMessageFilter(int code, MSG* message) override;

    // The main window while it is open: characters typed anywhere in it go
    // to its character handler instead of the focused control.
    void SetForwardCharTarget(HWND window) { forwardCharTarget_ = window; }
    HWND ForwardCharTarget() const { return forwardCharTarget_; }

    // Lets a later start in the same folder find the main window.
    void PublishMainWindow(HWND window) {
        if (folder_ != nullptr) folder_->Publish(window);
    }

    // What the next main window takes from the system.
    const DialerPlatform& Platform() const { return platform_; }
    void SetPlatform(const DialerPlatform& platform) { platform_ = platform; }

private:
    HWND forwardCharTarget_ = nullptr;
    FolderInstance* folder_ = nullptr;  // while the main window runs
    DialerPlatform platform_ = SystemPlatform();
};

extern CDialerApp theApp;
