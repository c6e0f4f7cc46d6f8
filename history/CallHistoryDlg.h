// The call history window: the latest calls, newest first, to redial, copy
// or delete.
#pragma once

#include "dialpad/NumberEntry.h"
#include "framework/Controls.h"
#include "framework/Dialog.h"
#include "history/CallLog.h"

class CCallHistoryDlg : public CDialog {
    DECLARE_MESSAGE_TABLE(CCallHistoryDlg)

public:
    CCallHistoryDlg();

    // Runs the window on the log, whose entries Delete and Clear all take
    // out. IDOK when the user chose a call to dial again, its number then in
    // `number`; IDCANCEL when the window was closed.
    INT_PTR DoModalOn(CallLog& log, char (&number)[kDialNumberSize]);
    // Whether entries were taken out, so that the file must be rewritten.
    bool Changed() const { return changed_; }

protected:
    void DoDataExchange(CDataExchange* exchange) override;
    BOOL OnInitDialog() override;
    void OnOK() override;

private:
    void OnCopy();
    void OnDelete();
    void OnClearAll();
    void OnRowText(NMHDR* header, LRESULT* result);
    void OnRowDoubleClick(NMHDR* header, LRESULT* result);
    void OnListKey(NMHDR* header, LRESULT* result);
    // The log entry of a row: rows show the newest call first.
    int EntryOfRow(int row) const { return log_->count - 1 - row; }
    void Refill();

    CListCtrl list_;
    CallLog* log_ = nullptr;
    char* number_ = nullptr;
    bool changed_ = false;
};
