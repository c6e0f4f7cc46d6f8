#include "framework/Controls.h"

#include <cstring>

#include "framework/WinApp.h"

namespace {

HBITMAP LoadNamedBitmap(const char* caption, char state) {
    char name[80];
    const std::size_t length = std::strlen(caption);
    if (length + 2 > sizeof name) return nullptr;
    std::memcpy(name, caption, length);
    name[length] = state;
    name[length + 1] = '\0';
    // A DIB section, not a bitmap of the screen's format: under Wine that
    // conversion made loading the fifteen pictures seven times slower.
    return static_cast<HBITMAP>(
        ::LoadImageA(CWinApp::ResourceHandle(), name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
}

}  // namespace

BOOL CBitmapButton::AutoLoad(UINT id, CWnd* parent) {
    Attach(parent->GetDlgItem(static_cast<int>(id)));
    if (m_hWnd == nullptr || ::GetWindowTextA(m_hWnd, caption_, sizeof caption_) == 0) return FALSE;
    up_.Reset(LoadNamedBitmap(caption_, 'U'));
    down_ = StatePicture();
    focused_ = StatePicture();
    disabled_ = StatePicture();
    if (!up_) return FALSE;
    BITMAP info;
    if (::GetObjectA(up_.Get(), sizeof info, &info) == 0) return FALSE;
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, info.bmWidth, info.bmHeight,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return TRUE;
}

HBITMAP CBitmapButton::Picture(StatePicture& picture, char state) {
    if (!picture.tried) {
        picture.bitmap.Reset(LoadNamedBitmap(caption_, state));
        picture.tried = true;
    }
    return picture.bitmap.Get();
}

void CBitmapButton::DrawItem(DRAWITEMSTRUCT* item) {
    // Pressed before focused before disabled; a missing picture falls through.
    HBITMAP picture = nullptr;
    if (item->itemState & ODS_SELECTED) picture = Picture(down_, 'D');
    if (picture == nullptr && (item->itemState & ODS_FOCUS)) picture = Picture(focused_, 'F');
    if (picture == nullptr && (item->itemState & ODS_DISABLED)) picture = Picture(disabled_, 'X');
    if (picture == nullptr) picture = up_.Get();
    if (picture == nullptr) return;
    CDC source;
    if (!source.CreateCompatibleDC(item->hDC)) return;
    SelectedObject selected(source.GetSafeHdc(), picture);
    const RECT& r = item->rcItem;
    ::BitBlt(item->hDC, r.left, r.top, r.right - r.left, r.bottom - r.top, source.GetSafeHdc(), 0, 0,
             SRCCOPY);
}

HIMAGELIST CListCtrl::SetImageList(HIMAGELIST list, int kind) {
    return reinterpret_cast<HIMAGELIST>(
        SendMessage(LVM_SETIMAGELIST, static_cast<WPARAM>(kind), reinterpret_cast<LPARAM>(list)));
}

// The list view only reads the texts handed to it, whatever LVITEMA's and
// LVCOLUMNA's non-const pointers suggest.
int CListCtrl::InsertColumn(int index, const char* heading, int format, int width, int subItem) {
    LVCOLUMNA column{};
    column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
    column.fmt = format;
    column.cx = width;
    column.pszText = const_cast<char*>(heading);
    column.iSubItem = subItem;
    return static_cast<int>(
        SendMessage(LVM_INSERTCOLUMNA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&column)));
}

BOOL CListCtrl::SetItemCount(int count) {
    return static_cast<BOOL>(SendMessage(LVM_SETITEMCOUNT, static_cast<WPARAM>(count), LVSICF_NOSCROLL));
}

int CListCtrl::GetNextItem(int start, UINT flags) const {
    return static_cast<int>(SendMessage(LVM_GETNEXTITEM, static_cast<WPARAM>(start), MAKELPARAM(flags, 0)));
}

BOOL CImageList::Create(int width, int height, UINT flags, int initial, int grow) {
    DeleteImageList();
    list_ = ImageList_Create(width, height, flags, initial, grow);
    return list_ != nullptr;
}

BOOL CImageList::DeleteImageList() {
    if (list_ == nullptr) return FALSE;
    const BOOL deleted = ImageList_Destroy(list_);
    list_ = nullptr;
    return deleted;
}
