// The contact dialog: edits one slot of the contact table in place.
#pragma once

#include "contacts/ContactTable.h"
#include "framework/Dialog.h"

class CContactDlg : public CDialog {
public:
    CContactDlg();

    // Runs the dialog on `slot`, which OK overwrites and Cancel leaves alone:
    // IDOK, IDCANCEL, or -1 when the dialog could not be made.
    virtual INT_PTR DoModalOn(Contact& slot);

protected:
    void DoDataExchange(CDataExchange* exchange) override;
    BOOL OnInitDialog() override;
    void OnOK() override;

private:
    char number_[kNumberSize] = {};
    char name_[kNameSize] = {};
    unsigned calls_ = 0;
    Contact* slot_ = nullptr;
};
