// CDialog: a window made from a dialog template and run modally by its own
// message loop, with data exchange between its controls and its members.
#pragma once

#include "framework/Wnd.h"

class CDataExchange;

class CDialog : public CWnd {
    DECLARE_MESSAGE_TABLE(CDialog)

public:
    // Without a parent, the application's main window (when there is one
    // other than this dialog) owns the dialog.
    CDialog(UINT templateId, CWnd* parent) : templateId_(templateId), parent_(parent) {}

    // Creates the dialog, disables the owner and runs the dialog's messages
    // until EndDialog; then destroys the window and gives the owner back its
    // input and activation. Returns EndDialog's result, or -1 when the
    // dialog could not be created.
    virtual INT_PTR DoModal();
    void EndDialog(INT_PTR result);
    // Says why a field cannot be taken and puts the focus back into it, its
    // text selected, so the dialog stays open for a correction.
    void RefuseField(HWND field, const char* text, const char* caption, UINT style);

    // Moves data from the controls to the members (save) or back; false when
    // a field did not validate (its message was shown and it has the focus).
    bool UpdateData(bool saveAndValidate = true);

    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    virtual BOOL PreTranslateMessage(MSG* message);
    virtual BOOL DestroyWindow();

protected:
    virtual void DoDataExchange(CDataExchange* exchange) { (void)exchange; }
    // The dialog manager's own processing of the message, run at once.
    LRESULT DefaultProcessing(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    HWND OwnerWindow() const;
    void RunModalLoop();

    UINT templateId_;
    CWnd* parent_;
    bool endModal_ = false;
    INT_PTR modalResult_ = -1;
    // Set while DefDlgProc is about to ask DialogProc about the message it is
    // processing by default: DialogProc must decline it, not handle it again.
    bool declineNext_ = false;
};

// One pass of data exchange: which direction, and whether a field failed.
// Once a field has failed, the rest of the pass does nothing.
class CDataExchange {
public:
    CDataExchange(CDialog* dialog, bool saveAndValidate)
        : dialog_(dialog), saveAndValidate_(saveAndValidate) {}

    bool SaveAndValidate() const { return saveAndValidate_; }
    bool Failed() const { return failed_; }
    CDialog* Dialog() const { return dialog_; }

    // The edit control that the next validation speaks of.
    HWND PrepareEditControl(int id);
    // Shows the message, focuses the last prepared field and fails the pass.
    void Fail(const char* message);

private:
    CDialog* dialog_;
    bool saveAndValidate_;
    bool failed_ = false;
    HWND lastControl_ = nullptr;
};

void DDX_Control(CDataExchange* exchange, int id, CWnd& control);
// A text field and a character buffer of `size` bytes; saving truncates.
void DDX_Text(CDataExchange* exchange, int id, char* buffer, int size);
template <int N>
void DDX_Text(CDataExchange* exchange, int id, char (&buffer)[N]) {
    DDX_Text(exchange, id, buffer, N);
}
// A field holding an unsigned decimal number.
void DDX_Text(CDataExchange* exchange, int id, unsigned& value);
// Follows the DDX_Text of its field: the value must lie in lo..hi.
void DDV_MinMaxUInt(CDataExchange* exchange, unsigned value, unsigned lo, unsigned hi);
