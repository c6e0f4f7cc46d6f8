// The unknown-number dialog: save a dialled number as a new contact, dial it
// without saving, or cancel.
#pragma once

#include "contacts/ContactTable.h"
#include "dialpad/NumberEntry.h"
#include "framework/Dialog.h"

class CUnknownNumberDlg : public CDialog {
    DECLARE_MESSAGE_TABLE(CUnknownNumberDlg)

public:
    // Made without a parent: the application's main window owns it.
    CUnknownNumberDlg();

    BOOL OnInitDialog() override;
    void OnCancel() override;

    // Binds the dialog to the record it fills and the dial number and
    // called-party name it sets, then runs it: IDOK after "Save it!" or
    // "Just Dial", IDCANCEL, or -1 when it could not open. A full table makes
    // "Save it!" refuse with a message.
    virtual int DoModalOn(Contact& target, NumberEntry& entry, bool tableFull);

protected:
    void DoDataExchange(CDataExchange* exchange) override;

private:
    void OnSaveIt();
    void OnJustDial();

    char nameText_[kNameSize] = {};
    char numberText_[kNumberSize] = {};
    Contact* target_ = nullptr;
    NumberEntry* entry_ = nullptr;
    bool tableFull_ = false;
    // What "Just Dial" dials, whatever the fields hold by then.
    char openingNumber_[kNumberSize] = {};
};
