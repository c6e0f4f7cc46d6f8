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
    // Attaches to the parent's control `id`, whose caption names the pictures:
    // caption + U (up, required), D (down), F (focused) and X (disabled). The
    // button takes the size of its U picture. The other three are looked up
    // when first drawn, which keeps them off the window's start-up.
    BOOL AutoLoad(UINT id, CWnd* parent);
    void DrawItem(DRAWITEMSTRUCT* item) override;

private:
    // A picture loaded on first use; `tried` remembers a missing one.
    struct StatePicture {
        OwnedBitmap bitmap;
        bool tried = false;
    };
    HBITMAP Picture(StatePicture& picture, char state);

    char caption_[64] = {};
    OwnedBitmap up_;
    StatePicture down_;
    StatePicture focused_;
    StatePicture disabled_;
};

// A report-style list view, through its ANSI messages.
class CListCtrl : public CWnd {
public:
    BOOL DeleteAllItems() { return ListView_DeleteAllItems(m_hWnd); }
    // The list's image list of this kind (LVSIL_SMALL...); the previous one.
    HIMAGELIST SetImageList(HIMAGELIST list, int kind);
    // A column with its heading, format, width and subitem; its index or -1.
    int InsertColumn(int index, const char* heading, int format, int width, int subItem);
    // The number of rows of a list that asks its parent for their texts
    // (LVS_OWNERDATA); the rows keep their selection.
    BOOL SetItemCount(int count);
    // The next row after `start` (-1: from the top) in `flags` state, or -1.
    int GetNextItem(int start, UINT flags) const;
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
