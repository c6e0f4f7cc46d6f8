#include "history/CallHistoryDlg.h"

#include <cstdio>

#include "commands/Clipboard.h"
#include "contacts/TextCopy.h"
#include "res/resource.h"

namespace {

constexpr char kClearQuestion[] = "Delete every call of the history?";

}  // namespace

BEGIN_MESSAGE_TABLE(CCallHistoryDlg, CDialog)
ON_COMMAND(IDC_HISTORY_COPY, OnCopy)
ON_COMMAND(IDC_HISTORY_DELETE, OnDelete)
ON_COMMAND(IDC_HISTORY_CLEAR, OnClearAll)
ON_NOTIFY(LVN_GETDISPINFOA, IDC_HISTORY_LIST, OnRowText)
ON_NOTIFY(NM_DBLCLK, IDC_HISTORY_LIST, OnRowDoubleClick)
ON_NOTIFY(LVN_KEYDOWN, IDC_HISTORY_LIST, OnListKey)
END_MESSAGE_TABLE()

CCallHistoryDlg::CCallHistoryDlg() : CDialog(IDD_CALL_HISTORY, nullptr) {}

INT_PTR CCallHistoryDlg::DoModalOn(CallLog& log, char (&number)[kDialNumberSize]) {
    log_ = &log;
    number_ = number;
    number[0] = '\0';
    changed_ = false;
    return DoModal();
}

void CCallHistoryDlg::DoDataExchange(CDataExchange* exchange) {
    DDX_Control(exchange, IDC_HISTORY_LIST, list_);
}

BOOL CCallHistoryDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    ListView_SetExtendedListViewStyle(list_.m_hWnd, LVS_EX_FULLROWSELECT);
    list_.InsertColumn(0, "When", LVCFMT_LEFT, 100, 0);
    list_.InsertColumn(1, "Name", LVCFMT_LEFT, 140, 1);
    list_.InsertColumn(2, "Number", LVCFMT_LEFT, 110, 2);
    Refill();
    if (log_->count > 0)
        ListView_SetItemState(list_.m_hWnd, 0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    ::SetFocus(list_.m_hWnd);
    return FALSE;  // the focus is set
}

void CCallHistoryDlg::Refill() {
    list_.DeleteAllItems();
    list_.SetItemCount(log_->count);
}

void CCallHistoryDlg::OnRowText(NMHDR* header, LRESULT* result) {
    LVITEMA& item = reinterpret_cast<NMLVDISPINFOA*>(header)->item;
    *result = 0;
    if (!(item.mask & LVIF_TEXT) || item.cchTextMax <= 0) return;
    const int entry = EntryOfRow(item.iItem);
    item.pszText[0] = '\0';
    if (item.iItem < 0 || entry < 0) return;
    const CallEntry& call = log_->entries[entry];
    const auto size = static_cast<std::size_t>(item.cchTextMax);
    if (item.iSubItem == 0) {
        std::snprintf(item.pszText, size, "%04d-%02d-%02d %02d:%02d", call.when.year, call.when.month,
                      call.when.day, call.when.hour, call.when.minute);
    } else {
        CopyText(item.pszText, size, item.iSubItem == 1 ? call.name : call.number);
    }
}

// Enter and Dial: the chosen call goes back to the main window to be dialled.
void CCallHistoryDlg::OnOK() {
    const int row = list_.GetNextItem(-1, LVNI_SELECTED);
    if (row < 0) return;
    CopyText(number_, kDialNumberSize, log_->entries[EntryOfRow(row)].number);
    EndDialog(IDOK);
}

void CCallHistoryDlg::OnRowDoubleClick(NMHDR* header, LRESULT* result) {
    if (reinterpret_cast<NMITEMACTIVATE*>(header)->iItem >= 0) OnOK();
    *result = 0;
}

void CCallHistoryDlg::OnListKey(NMHDR* header, LRESULT* result) {
    if (reinterpret_cast<NMLVKEYDOWN*>(header)->wVKey == VK_DELETE) OnDelete();
    *result = 0;
}

void CCallHistoryDlg::OnCopy() {
    const int row = list_.GetNextItem(-1, LVNI_SELECTED);
    if (row >= 0) CopyTextToClipboard(m_hWnd, log_->entries[EntryOfRow(row)].number);
}

// Every selected row goes; the rows are taken from the bottom up, so that
// the entries still to go keep their places.
void CCallHistoryDlg::OnDelete() {
    int lastRow = -1;
    for (int row = list_.GetNextItem(-1, LVNI_SELECTED); row >= 0;
         row = list_.GetNextItem(row, LVNI_SELECTED))
        lastRow = row;
    if (lastRow < 0) return;
    for (int row = lastRow; row >= 0; --row) {
        if (ListView_GetItemState(list_.m_hWnd, row, LVIS_SELECTED) != 0) log_->Remove(EntryOfRow(row));
    }
    changed_ = true;
    Refill();
}

void CCallHistoryDlg::OnClearAll() {
    if (log_->count == 0 || MessageBox(kClearQuestion, "Call history", MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    log_->count = 0;
    changed_ = true;
    Refill();
}
