// The floor for start-up time: a bare program that shows the main window's
// template with the system's own dialog box and nothing else.
#include "framework/Win32.h"
#include "res/resource.h"

namespace {

INT_PTR CALLBACK BareProc(HWND window, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) return TRUE;
    if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        ::EndDialog(window, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    ::InitCommonControls();
    return static_cast<int>(::DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_DIALER), nullptr, BareProc, 0));
}
