#include "ui/ContactList.h"

#include "ui/ContactRows.h"

namespace {

constexpr int kNameColumnWidth = 90;
constexpr int kNumberColumnWidth = 80;
// What the list's window keeps beside its columns: the first two and a margin.
constexpr int kCallsColumnInset = 175;

}  // namespace

void InitList(CListCtrl& list, const CImageList& images) {
    list.SetImageList(images.Get(), LVSIL_SMALL);
    RECT window{};
    ::GetWindowRect(list.m_hWnd, &window);
    list.InsertColumn(0, "Name", LVCFMT_LEFT, kNameColumnWidth, 0);
    list.InsertColumn(1, "Number", LVCFMT_LEFT, kNumberColumnWidth, 1);
    list.InsertColumn(2, "Calls", LVCFMT_LEFT, window.right - window.left - kCallsColumnInset, 2);
}

void RefillList(CListCtrl& list, ContactTable& table, int iconIndex) {
    // A shown list view updates its scroll bar and screen at every row;
    // hundreds of rows then take seconds under Wine. It is drawn once, after.
    list.SendMessage(WM_SETREDRAW, FALSE);
    list.DeleteAllItems();
    table.Reorder();
    ListRow row;
    for (int p = 0; p < table.count; ++p) {
        if (!MakeRow(table, p, &row)) continue;
        // A position without a row before this one puts it at a lower index.
        const int item = list.InsertItem(p, row.text, iconIndex, row.slot);
        list.SetItemText(item, 1, row.number);
        list.SetItemText(item, 2, row.calls);
    }
    list.SendMessage(WM_SETREDRAW, TRUE);
    ::InvalidateRect(list.m_hWnd, nullptr, TRUE);
}

int FirstSelectedRow(const CListCtrl& list) {
    return list.GetNextItem(-1, LVNI_SELECTED);
}

int SlotOfRow(const CListCtrl& list, const ContactTable& table, int item) {
    if (item < 0) return kNoSlot;
    return RowSlot(table, item, list.GetItemData(item));
}
