// The main window: the phone with its keypad, display and contact list.
#pragma once

#include "contacts/ContactsFile.h"
#include "framework/Controls.h"
#include "framework/Dialog.h"

class CDialerApp;

constexpr int kDialNumberSize = 38;
constexpr int kDialNumberMaxTyped = 28;

class CDialerDlg : public CDialog, private ContactsFileHost {
    DECLARE_MESSAGE_TABLE(CDialerDlg)

public:
    CDialerDlg();

    // Makes the list's image list, then runs the window modally.
    virtual INT_PTR RunModal(CDialerApp* app);

    BOOL OnInitDialog() override;
    BOOL PreTranslateMessage(MSG* message) override;
    BOOL DestroyWindow() override;

    const char* DialNumber() const { return dialNumber_; }
    const ContactTable& Contacts() const { return contacts_; }

protected:
    void DoDataExchange(CDataExchange* exchange) override;

private:
    void OnPaint();
    HCURSOR OnQueryDragIcon();
    void OnChar(UINT character, UINT repeat, UINT flags);
    void OnActivate(UINT state, HWND other, bool minimized);
    void Clear();
    void LoadDisplayImages();

    // Contacts file host: messages owned by this window, atomic replacement.
    void ShowMessage(const char* text, const char* caption, unsigned style) override;
    bool MoveIntoPlace(const char* temporary, const char* target) override;

    CListCtrl list_;
    CButton endButton_;
    char dialNumber_[kDialNumberSize] = {};
    CBitmapButton dialButton_;
    CBitmapButton clearButton_;
    CBitmapButton digitButtons_[10];
    CBitmapButton hashButton_;
    CBitmapButton starButton_;
    CBitmapButton creditsButton_;
    int listIconIndex_ = -1;
    CImageList imageList_;
    CDialerApp* app_ = nullptr;
    ContactTable contacts_;
    OwnedBitmap background_;
    CDC backgroundDC_;
    HICON appIcon_;
};
