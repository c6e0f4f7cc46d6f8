// The controls the program uses, as thin objects over dialog controls.
#pragma once

#include "framework/Gdi.h"
#include "framework/Wnd.h"

class CButton : public CWnd {
public:
    void SetIcon(HICON icon) { SendMessage(BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon)); }
};

// An owner-drawn button showing one of its pictures: pressed, focused,
// disabled or up.
class CBitmapButton : public CButton {
public:
    // Attaches to the parent's control `id` and loads the pictures named by
    // its caption followed by U (up, required), D (down), F (focused) and X
    // (disabled); the button takes the size of its U picture.
    BOOL AutoLoad(UINT id, CWnd* parent);
    void DrawItem(DRAWITEMSTRUCT* item) override;

private:
    OwnedBitmap up_;
    OwnedBitmap down_;
    OwnedBitmap focused_;
    OwnedBitmap disabled_;
};

class CListCtrl : public CWnd {
public:
    BOOL DeleteAllItems() { return ListView_DeleteAllItems(m_hWnd); }
};

// Owns an image list until DeleteImageList or its own end.
class CImageList {
public:
    CImageList() = default;
    ~CImageList() { DeleteImageList(); }
    CImageList(const CImageList&) = delete;
    CImageList& operator=(const CImageList&) = delete;

    BOOL Create(int width, int height, UINT flags, int initial, int grow);
    // Appends an icon; its index, or -1.
    int Add(HICON icon) { return ImageList_ReplaceIcon(list_, -1, icon); }
    BOOL DeleteImageList();
    HIMAGELIST Get() const { return list_; }

private:
    HIMAGELIST list_ = nullptr;
};
