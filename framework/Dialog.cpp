#include "framework/Dialog.h"

#include "framework/FieldText.h"
#include "framework/WinApp.h"

BEGIN_MESSAGE_TABLE(CDialog, CWnd)
ON_COMMAND(IDOK, OnOK)
ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_TABLE()

HWND CDialog::OwnerWindow() const {
    if (parent_ != nullptr) return parent_->m_hWnd;
    // Like the message boxes, every dialog of the program belongs to the main
    // window, which therefore cannot be used under it.
    const CWinApp* app = CWinApp::Current();
    const CWnd* main = app != nullptr ? app->m_pMainWnd : nullptr;
    if (main == nullptr || main == this || main->m_hWnd == nullptr || !::IsWindow(main->m_hWnd))
        return nullptr;
    return main->m_hWnd;
}

INT_PTR CDialog::DoModal() {
    HWND owner = OwnerWindow();
    const bool disableOwner = owner != nullptr && ::IsWindowEnabled(owner);
    if (disableOwner) ::EnableWindow(owner, FALSE);

    endModal_ = false;
    modalResult_ = -1;
    HWND window = ::CreateDialogParamA(CWinApp::ResourceHandle(), MAKEINTRESOURCEA(templateId_), owner,
                                       DialogProc, reinterpret_cast<LPARAM>(this));
    if (window != nullptr) {
        if (!endModal_) {
            if (!::IsWindowVisible(window)) ::ShowWindow(window, SW_SHOWNORMAL);
            RunModalLoop();
        }
        // Hide first so that activation returns to the owner, not elsewhere.
        ::SetWindowPos(window, nullptr, 0, 0, 0, 0,
                       SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
    }
    if (disableOwner) {
        ::EnableWindow(owner, TRUE);
        ::SetActiveWindow(owner);
    }
    if (m_hWnd != nullptr) DestroyWindow();
    return modalResult_;
}

void CDialog::RunModalLoop() {
    MSG message;
    while (!endModal_) {
        const BOOL got = ::GetMessageA(&message, nullptr, 0, 0);
        if (got == -1) break;
        if (got == 0) {
            // Leave the quit for the outer loop and end as if cancelled.
            ::PostQuitMessage(static_cast<int>(message.wParam));
            modalResult_ = IDCANCEL;
            break;
        }
        if (!PreTranslateMessage(&message)) {
            ::TranslateMessage(&message);
            ::DispatchMessageA(&message);
        }
    }
}

void CDialog::EndDialog(INT_PTR result) {
    modalResult_ = result;
    endModal_ = true;
    if (m_hWnd != nullptr) ::PostMessageA(m_hWnd, WM_NULL, 0, 0);  // wake the loop
}

void CDialog::RefuseField(HWND field, const char* text, const char* caption, UINT style) {
    MessageBox(text, caption, style);
    if (field == nullptr) return;
    ::SetFocus(field);
    ::SendMessageA(field, EM_SETSEL, 0, -1);
}

bool CDialog::UpdateData(bool saveAndValidate) {
    CDataExchange exchange(this, saveAndValidate);
    DoDataExchange(&exchange);
    return !exchange.Failed();
}

BOOL CDialog::OnInitDialog() {
    UpdateData(false);
    return TRUE;
}

void CDialog::OnOK() {
    if (UpdateData(true)) EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

BOOL CDialog::PreTranslateMessage(MSG* message) {
    return ::IsDialogMessageA(m_hWnd, message);
}

BOOL CDialog::DestroyWindow() {
    HWND window = m_hWnd;
    m_hWnd = nullptr;
    return ::DestroyWindow(window);
}

INT_PTR CALLBACK CDialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* self = reinterpret_cast<CDialog*>(lParam);
        ::SetWindowLongPtrA(window, DWLP_USER, lParam);
        self->m_hWnd = window;
        return self->OnInitDialog();
    }
    auto* self = reinterpret_cast<CDialog*>(::GetWindowLongPtrA(window, DWLP_USER));
    if (self == nullptr || self->m_hWnd != window) return FALSE;
    if (self->declineNext_) {
        // DefDlgProc asks first about the message a handler wants processed
        // by default; declining it lets the dialog manager go on.
        self->declineNext_ = false;
        return FALSE;
    }
    if (message == WM_NCDESTROY) ::SetWindowLongPtrA(window, DWLP_USER, 0);

    LRESULT result = 0;
    if (!self->OnWndMsg(message, wParam, lParam, &result)) return FALSE;
    switch (message) {
        // These answer through the procedure's return value itself.
        case WM_CTLCOLORMSGBOX:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORDLG:
        case WM_CTLCOLORSCROLLBAR:
        case WM_CTLCOLORSTATIC:
        case WM_COMPAREITEM:
        case WM_VKEYTOITEM:
        case WM_CHARTOITEM:
        case WM_QUERYDRAGICON: return static_cast<INT_PTR>(result);
        default: ::SetWindowLongPtrA(window, DWLP_MSGRESULT, result); return TRUE;
    }
}

LRESULT CDialog::DefaultProcessing(UINT message, WPARAM wParam, LPARAM lParam) {
    // Calling DefWindowProc here would skip the dialog manager (default
    // button, focus, WM_CLOSE as Cancel); DefDlgProc runs it, and asks this
    // dialog's procedure about the message first.
    const bool outer = declineNext_;
    declineNext_ = true;
    const LRESULT result = ::DefDlgProcA(m_hWnd, message, wParam, lParam);
    declineNext_ = outer;
    return result;
}

HWND CDataExchange::PrepareEditControl(int id) {
    lastControl_ = dialog_->GetDlgItem(id);
    return lastControl_;
}

void CDataExchange::Fail(const char* message) {
    char caption[128];
    if (::GetWindowTextA(dialog_->m_hWnd, caption, sizeof caption) == 0) caption[0] = '\0';
    dialog_->RefuseField(lastControl_, message, caption, MB_OK | MB_ICONEXCLAMATION);
    failed_ = true;
}

void DDX_Control(CDataExchange* exchange, int id, CWnd& control) {
    if (exchange->Failed() || control.m_hWnd != nullptr) return;
    control.Attach(exchange->Dialog()->GetDlgItem(id));
}

void DDX_Text(CDataExchange* exchange, int id, char* buffer, int size) {
    if (exchange->Failed()) return;
    HWND edit = exchange->PrepareEditControl(id);
    if (exchange->SaveAndValidate()) {
        if (::GetWindowTextA(edit, buffer, size) == 0) buffer[0] = '\0';
    } else {
        ::SetWindowTextA(edit, buffer);
    }
}

void DDX_Text(CDataExchange* exchange, int id, unsigned& value) {
    if (exchange->Failed()) return;
    HWND edit = exchange->PrepareEditControl(id);
    char text[64];
    if (exchange->SaveAndValidate()) {
        // A text too long for the buffer is no number we could hold.
        const bool fits = ::GetWindowTextLengthA(edit) < static_cast<int>(sizeof text);
        if (::GetWindowTextA(edit, text, sizeof text) == 0) text[0] = '\0';
        if (!fits || !ParseUnsignedField(text, &value)) exchange->Fail(kNotANumberMessage);
    } else {
        FormatUnsignedField(value, text, sizeof text);
        ::SetWindowTextA(edit, text);
    }
}

void DDV_MinMaxUInt(CDataExchange* exchange, unsigned value, unsigned lo, unsigned hi) {
    if (exchange->Failed() || !exchange->SaveAndValidate()) return;
    if (value >= lo && value <= hi) return;
    char message[96];
    FormatRangeMessage(lo, hi, message, sizeof message);
    exchange->Fail(message);
}
