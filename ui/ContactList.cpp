#include "ui/ContactList.h"

#include <cstring>

#include "contacts/TextCopy.h"
#include "ui/ContactRows.h"

namespace {

constexpr int kNameColumnWidth = 90;
constexpr int kNumberColumnWidth = 80;
// What the list's window keeps beside its columns: the first two and a margin.
constexpr int kCallsColumnInset = 175;

// The list asks afresh for the texts of this many rows.
void ShowRowCount(CListCtrl& list, int count) {
    list.DeleteAllItems();  // and with them the selection
    list.SetItemCount(count);
    ::InvalidateRect(list.m_hWnd, nullptr, TRUE);
}

}  // namespace

void InitList(CListCtrl& list, const CImageList& images) {
    list.SetImageList(images.Get(), LVSIL_SMALL);
    RECT window{};
    ::GetWindowRect(list.m_hWnd, &window);
    list.InsertColumn(0, "Name", LVCFMT_LEFT, kNameColumnWidth, 0);
    list.InsertColumn(1, "Number", LVCFMT_LEFT, kNumberColumnWidth, 1);
    list.InsertColumn(2, "Calls", LVCFMT_LEFT, window.right - window.left - kCallsColumnInset, 2);
}

void RefillList(CListCtrl& list, ContactTable& table, const ContactSearch& search, ListRows* rows) {
    table.Reorder();
    search.MapRows(table, rows);
    ShowRowCount(list, rows->count);
}

void ShowFoundRows(CListCtrl& list, const ContactTable& table, const ContactSearch& search, ListRows* rows) {
    static ListRows found;
    search.MapRows(table, &found);
    bool same =
        found.count == rows->count && std::memcmp(found.positions, rows->positions,
                                                  sizeof(int) * static_cast<std::size_t>(found.count)) == 0;
    // The letters go by position in the full list and by row in a found one:
    // the same wherever no row is missing before the twentieth.
    for (int r = 0; same && found.filtered != rows->filtered && r < kSpeedDialPositions && r < found.count;
         ++r)
        same = found.positions[r] == r;
    *rows = found;
    if (!same) ShowRowCount(list, rows->count);
}

void ShowRow(const ContactTable& table, const ListRows& rows, int iconIndex, LVITEMA* item) {
    ListRow row;
    if (item->iItem < 0 || item->iItem >= rows.count || !MakeRow(table, rows.positions[item->iItem], &row)) {
        if ((item->mask & LVIF_TEXT) && item->cchTextMax > 0) item->pszText[0] = '\0';
        return;
    }
    if (rows.filtered) FormatRowText(item->iItem, table.slots[row.slot].name, row.text);
    if (item->mask & LVIF_IMAGE) item->iImage = iconIndex;
    if (!(item->mask & LVIF_TEXT) || item->cchTextMax <= 0) return;
    const char* text = item->iSubItem == 0 ? row.text : item->iSubItem == 1 ? row.number : row.calls;
    CopyText(item->pszText, static_cast<std::size_t>(item->cchTextMax), text);
}

int FirstSelectedRow(const CListCtrl& list) {
    return list.GetNextItem(-1, LVNI_SELECTED);
}
