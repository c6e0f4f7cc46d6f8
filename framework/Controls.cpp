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
    return ::LoadBitmapA(CWinApp::ResourceHandle(), name);
}

}  // namespace

BOOL CBitmapButton::AutoLoad(UINT id, CWnd* parent) {
    Attach(parent->GetDlgItem(static_cast<int>(id)));
    char caption[64];
    if (m_hWnd == nullptr || ::GetWindowTextA(m_hWnd, caption, sizeof caption) == 0) return FALSE;
    up_.Reset(LoadNamedBitmap(caption, 'U'));
    down_.Reset(LoadNamedBitmap(caption, 'D'));
    focused_.Reset(LoadNamedBitmap(caption, 'F'));
    disabled_.Reset(LoadNamedBitmap(caption, 'X'));
    if (!up_) return FALSE;
    BITMAP info;
    if (::GetObjectA(up_.Get(), sizeof info, &info) == 0) return FALSE;
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, info.bmWidth, info.bmHeight,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return TRUE;
}

void CBitmapButton::DrawItem(DRAWITEMSTRUCT* item) {
    HBITMAP picture = up_.Get();
    if ((item->itemState & ODS_SELECTED) && down_) {
        picture = down_.Get();
    } else if ((item->itemState & ODS_FOCUS) && focused_) {
        picture = focused_.Get();
    } else if ((item->itemState & ODS_DISABLED) && disabled_) {
        picture = disabled_.Get();
    }
    if (picture == nullptr) return;
    CDC source;
    if (!source.CreateCompatibleDC(item->hDC)) return;
    SelectedObject selected(source.GetSafeHdc(), picture);
    const RECT& r = item->rcItem;
    ::BitBlt(item->hDC, r.left, r.top, r.right - r.left, r.bottom - r.top, source.GetSafeHdc(), 0, 0,
             SRCCOPY);
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
