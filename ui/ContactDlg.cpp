#include "ui/ContactDlg.h"

#include <cassert>
#include <cstdint>

#include "contacts/FieldRules.h"
#include "contacts/TextCopy.h"
#include "res/resource.h"

namespace {

constexpr unsigned kMaxCalls = 999999999;

}  // namespace

CContactDlg::CContactDlg() : CDialog(IDD_CONTACT, nullptr) {}

INT_PTR CContactDlg::DoModalOn(Contact& slot) {
    slot_ = &slot;
    return DoModal();
}

void CContactDlg::DoDataExchange(CDataExchange* exchange) {
    DDX_Text(exchange, IDC_NUMBER, number_);
    DDX_Text(exchange, IDC_NAME, name_);
    DDX_Text(exchange, IDC_CALLS, calls_);
    DDV_MinMaxUInt(exchange, calls_, 0, kMaxCalls);
}

BOOL CContactDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    assert(slot_ != nullptr && "run through DoModalOn");
    // No more than the contacts file gives back unchanged.
    ::SendDlgItemMessageA(m_hWnd, IDC_NAME, EM_LIMITTEXT, kNameFieldLimit, 0);
    ::SendDlgItemMessageA(m_hWnd, IDC_NUMBER, EM_LIMITTEXT, kNumberFieldLimit, 0);
    CopyText(name_, slot_->name);
    CopyText(number_, slot_->number);
    // A negative count from the file shows as its unsigned value, which the
    // range check then refuses until it is corrected.
    calls_ = static_cast<std::uint32_t>(slot_->calls);
    UpdateData(false);
    return TRUE;
}

void CContactDlg::OnOK() {
    if (!UpdateData(true)) return;
    const FieldProblem problem = CheckContactFields(name_, number_);
    if (problem != FieldProblem::kNone) {
        RefuseField(GetDlgItem(problem == FieldProblem::kName ? IDC_NAME : IDC_NUMBER), kFieldProblemMessage,
                    "HEY!", MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    CopyText(slot_->name, name_);
    CopyText(slot_->number, number_);
    slot_->calls = static_cast<std::int32_t>(calls_);
    EndDialog(IDOK);
}
