#include "calling/UnknownNumberDlg.h"

#include <cstring>

#include "calling/CallFlow.h"
#include "contacts/FieldRules.h"
#include "contacts/TextCopy.h"
#include "res/resource.h"

BEGIN_MESSAGE_TABLE(CUnknownNumberDlg, CDialog)
ON_COMMAND(IDC_JUST_DIAL, OnJustDial)
ON_COMMAND(IDOK, OnSaveIt)
END_MESSAGE_TABLE()

CUnknownNumberDlg::CUnknownNumberDlg() : CDialog(IDD_UNKNOWN_NUMBER, nullptr) {}

int CUnknownNumberDlg::DoModalOn(Contact& target, NumberEntry& entry, bool tableFull) {
    target_ = &target;
    entry_ = &entry;
    tableFull_ = tableFull;
    return static_cast<int>(DoModal());
}

void CUnknownNumberDlg::DoDataExchange(CDataExchange* exchange) {
    DDX_Text(exchange, IDC_NAME, nameText_);
    DDX_Text(exchange, IDC_NUMBER, numberText_);
}

BOOL CUnknownNumberDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    // The fields take no more than the contacts file keeps.
    ::SendDlgItemMessageA(m_hWnd, IDC_NAME, EM_LIMITTEXT, kNameFieldLimit, 0);
    ::SendDlgItemMessageA(m_hWnd, IDC_NUMBER, EM_LIMITTEXT, kNumberFieldLimit, 0);
    CopyText(nameText_, target_->name);
    CopyText(numberText_, target_->number);
    CopyText(openingNumber_, numberText_);
    UpdateData(false);
    return TRUE;  // the focus goes to the Name field
}

void CUnknownNumberDlg::OnSaveIt() {
    UpdateData(true);
    if (tableFull_) {
        RefuseField(GetDlgItem(IDC_NAME), kContactListFullMessage, kInfoCaption, MB_OK | MB_ICONINFORMATION);
        return;
    }
    // The contacts file has no escaping: such text would break it at the next start.
    switch (CheckContactFields(nameText_, numberText_)) {
        case FieldProblem::kName:
            RefuseField(GetDlgItem(IDC_NAME), kFieldProblemMessage, "HEY!", MB_OK | MB_ICONEXCLAMATION);
            return;
        case FieldProblem::kNumber:
            RefuseField(GetDlgItem(IDC_NUMBER), kFieldProblemMessage, "HEY!", MB_OK | MB_ICONEXCLAMATION);
            return;
        case FieldProblem::kNone: break;
    }
    CopyText(target_->name, nameText_);
    entry_->SetCalledParty(kSavedPartyMark);
    CopyText(target_->number, numberText_);
    entry_->SetNumber(numberText_);
    target_->calls = 0;
    CDialog::OnOK();
}

void CUnknownNumberDlg::OnJustDial() {
    std::memset(target_, 0, sizeof *target_);
    entry_->SetNumber(openingNumber_);
    entry_->SetCalledParty("");
    CDialog::OnOK();
}

void CUnknownNumberDlg::OnCancel() {
    std::memset(target_, 0, sizeof *target_);
    CDialog::OnCancel();
}
