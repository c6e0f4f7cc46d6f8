#include "app/DialerApp.h"

#include "app/DialerDlg.h"

CDialerApp theApp;

BOOL CDialerApp::InitInstance() {
    // A second window on the same contacts file would save over the first's
    // changes when it closes: a later start hands over to the running one.
    // The arguments are 32 KB at most, and the window's frame is large.
    static HandoverArguments arguments;
    arguments.Clear();
    if (const int leftOut = ReadCommandLine(m_argc, m_argv, &arguments)) SayArgumentsLeftOut(leftOut);
    FolderInstance folder;
    if (!folder.Claim()) {
        folder.HandOver(arguments);
        return FALSE;
    }
    folder_ = &folder;
    // The window object holds the whole contact table (about 150 KB); the
    // program is linked with a 2 MB main-thread stack, and every large frame
    // is probed page by page, so it lives here for the whole modal run.
    CDialerDlg dialog;
    m_pMainWnd = &dialog;
    dialog.QueueArguments(arguments);
    dialog.RunModal(this);
    forwardCharTarget_ = nullptr;
    m_pMainWnd = nullptr;
    folder_ = nullptr;
    return FALSE;
}

BOOL CDialerApp::ProcessMessageFilter(int code, MSG* message) {
    // Only dialog message processing: a menu of the window being tracked
    // (MSGF_MENU) needs its characters, its access keys, for itself.
    if (code == MSGF_DIALOGBOX && forwardCharTarget_ != nullptr && message->message == WM_CHAR &&
        (message->hwnd == forwardCharTarget_ || ::IsChild(forwardCharTarget_, message->hwnd))) {
        ::SendMessageA(forwardCharTarget_, WM_CHAR, message->wParam, message->lParam);
        return TRUE;
    }
    return CWinApp::ProcessMessageFilter(code, message);
}
