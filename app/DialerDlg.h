// The main window: the phone with its keypad, display and contact list.
#pragma once

#include "app/DialerPlatform.h"
#include "app/SharedContacts.h"
#include "calling/CallFlow.h"
#include "calling/WatchOnWindow.h"
#include "dialpad/NumberDisplay.h"
#include "dialpad/NumberEntry.h"
#include "framework/Controls.h"
#include "framework/Dialog.h"
#include "handover/HandoverMessage.h"
#include "history/CallHistory.h"
#include "ui/ContactRows.h"
#include "ui/ContactSearch.h"

class CDialerApp;

class CDialerDlg : public CDialog, private CallHost {
    DECLARE_MESSAGE_TABLE(CDialerDlg)

public:
    CDialerDlg();
    ~CDialerDlg() override;

    // Makes the list's image list, then runs the window modally.
    virtual INT_PTR RunModal(CDialerApp* app);

    // Numbers and address books from the command line or a later start, to
    // act on as soon as the window is up and no dialog of it is open.
    void QueueArguments(const HandoverArguments& arguments);

    BOOL OnInitDialog() override;
    BOOL PreTranslateMessage(MSG* message) override;
    BOOL DestroyWindow() override;

    const NumberEntry& Entry() const { return numberEntry_; }
    const ContactTable& Contacts() const { return contacts_; }
    const NumberDisplay& Display() const { return display_; }

protected:
    void DoDataExchange(CDataExchange* exchange) override;

private:
    void OnPaint();
    HCURSOR OnQueryDragIcon();
    void OnChar(UINT character, UINT repeat, UINT flags);
    void OnActivate(UINT state, HWND other, bool minimized);
    bool OnQueryEndSession();
    void OnEndSession(bool ending);
    bool OnCopyData(HWND sender, const COPYDATASTRUCT* data);
    // Arguments and changes made outside that waited for a dialog to close.
    LRESULT OnTakeWaitingWork(WPARAM, LPARAM);
    void OnEnable(bool enabled);
    void OnDropFiles(HDROP drop);
    // A number for the display, address books to import, or an ERROR box
    // naming what is neither.
    void TakeArguments(const HandoverArguments& arguments);
    void ImportAddressBooks(const char* const* paths, int count, int leftOut = 0);
    void OnKeypadButton(UINT id);
    void OnClear();
    void OnDial();
    void OnHeadingClick(NMHDR* header, LRESULT* result);
    void OnRowClick(NMHDR* header, LRESULT* result);
    void OnRowDoubleClick(NMHDR* header, LRESULT* result);
    void OnRowText(NMHDR* header, LRESULT* result);
    void OnNewContact();
    void OnEditContact();
    void OnDeleteContact();
    void OnShowAbout();
    void OnSysCommand(UINT choice);
    void OnContextMenu(HWND window, int x, int y, bool fromKeyboard);
    void OnPaste();
    void OnCopy();
    void OnCopyNumber();
    void OnDialContact();
    void OnImport();
    void OnToggleFindAsYouType();
    void OnExport();
    void OnCallHistory();
    // Loads a contact's number and dials it, as a double-click on its row.
    void DialSlot(int slot);
    // The contact of a clicked row, or kNoSlot.
    int ClickedSlot(const NMHDR* header) const;
    // The contact of the selected row; with none selected, the focus goes
    // to Dial and the answer is kNoSlot.
    int SelectedSlotOrFocusDial();
    // Copies a number (a contact's, or one from outside) into the dial
    // number, bounded, and shows it with its contact's name. A pasted
    // number counts as typed.
    void LoadNumber(const char* number, bool typed = false);
    bool IsKeypadKey(HWND window) const;

    // Saves the contacts at once, merged with what others wrote meanwhile,
    // and shows the outcome.
    void SaveContacts();

    // Dial pad host: what number entry decides, carried out on this window.
    void PlayKeySound(int soundId) override;
    void FocusControl(int controlId) override;
    bool AskYesNo(const char* text, const char* caption) override;
    void RedrawDisplay() override;

    // Call host: the unknown-number dialog, Assisted Telephony, the list,
    // messages owned by this window, and the calls counted.
    void ShowMessage(const char* text, const char* caption, unsigned style) override;
    void CallCounted(const Contact& contact, bool added) override;
    int RunUnknownNumberDialog(Contact& target, NumberEntry& entry, bool tableFull) override;
    std::int32_t RequestMakeCall(const char* destination, const char* application, const char* calledParty,
                                 const char* comment) override;
    void RefillList() override;

    CListCtrl list_;
    CButton endButton_;
    NumberEntry numberEntry_;
    CBitmapButton dialButton_;
    CBitmapButton clearButton_;
    CBitmapButton digitButtons_[10];
    CBitmapButton hashButton_;
    CBitmapButton starButton_;
    CBitmapButton creditsButton_;
    int listIconIndex_ = -1;
    CImageList imageList_;
    CDialerApp* app_ = nullptr;
    DialerPlatform platform_;
    ContactTable contacts_;
    ListRows rows_;  // what the list shows of contacts_
    ContactSearch search_;
    CallHistory history_;
    SharedContacts contactsFile_;
    NumberDisplay display_;
    WatchOnWindow watch_;
    // Arguments waiting for the window to be free.
    HandoverArguments pending_;
    HICON appIcon_;
};
