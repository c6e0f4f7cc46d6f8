#include "app/DialerDlg.h"

#include <cstdio>

#include "app/DialerApp.h"
#include "calling/TapiLibrary.h"
#include "calling/UnknownNumberDlg.h"
#include "commands/Clipboard.h"
#include "commands/FileDialogs.h"
#include "commands/Menus.h"
#include "contacts/FieldRules.h"
#include "dialpad/DisplayLayout.h"
#include "export/ExportFile.h"
#include "handover/Arguments.h"
#include "history/CallHistoryDlg.h"
#include "import/ImportFiles.h"
#include "res/resource.h"
#include "ui/AboutDlg.h"
#include "ui/ContactDlg.h"
#include "ui/ContactList.h"
#include "ui/ContactRows.h"
#include "ui/SearchSetting.h"

namespace {

// The character each keypad button enters, by control id from IDC_DIGIT_0.
constexpr char kKeypadCharacters[] = "0123456789*#";

// Posted to the window when arguments or a changed contacts file wait for it.
constexpr UINT kTakeWaitingWorkMessage = WM_APP + 1;

constexpr char kUnknownArgumentMessage[] =
    "Tollwick can not use \"%s\":\nit is neither a phone number nor a .vcf or .csv address book.";

}  // namespace

BEGIN_MESSAGE_TABLE(CDialerDlg, CDialog)
ON_WM_PAINT()
ON_WM_QUERYDRAGICON()
ON_WM_CHAR()
ON_WM_ACTIVATE()
ON_WM_QUERYENDSESSION()
ON_WM_ENDSESSION()
ON_WM_COPYDATA()
ON_MESSAGE(kTakeWaitingWorkMessage, OnTakeWaitingWork)
ON_MESSAGE(kLookAtContactsFileMessage, OnTakeWaitingWork)
ON_WM_ENABLE()
ON_WM_DROPFILES()
ON_CONTROL_RANGE(BN_CLICKED, IDC_DIGIT_0, IDC_HASH, OnKeypadButton)
ON_CONTROL_RANGE(BN_DOUBLECLICKED, IDC_DIGIT_0, IDC_HASH, OnKeypadButton)
ON_COMMAND(IDC_CLEAR, OnClear)
ON_COMMAND(IDC_DIAL, OnDial)
ON_COMMAND(IDC_ENTER, OnDial)
ON_NOTIFY(LVN_COLUMNCLICK, IDC_CONTACT_LIST, OnHeadingClick)
ON_NOTIFY(NM_CLICK, IDC_CONTACT_LIST, OnRowClick)
ON_NOTIFY(NM_DBLCLK, IDC_CONTACT_LIST, OnRowDoubleClick)
ON_NOTIFY(LVN_GETDISPINFOA, IDC_CONTACT_LIST, OnRowText)
ON_COMMAND(IDC_NEW, OnNewContact)
ON_COMMAND(IDC_EDIT, OnEditContact)
ON_COMMAND(IDC_DELETE, OnDeleteContact)
ON_COMMAND(IDC_CREDITS, OnShowAbout)
ON_WM_SYSCOMMAND()
ON_WM_CONTEXTMENU()
ON_COMMAND(ID_PASTE, OnPaste)
ON_COMMAND(ID_COPY, OnCopy)
ON_COMMAND(ID_COPY_NUMBER, OnCopyNumber)
ON_COMMAND(ID_DIAL_CONTACT, OnDialContact)
ON_COMMAND(ID_IMPORT, OnImport)
ON_COMMAND(ID_FIND_AS_YOU_TYPE, OnToggleFindAsYouType)
ON_COMMAND(ID_EXPORT, OnExport)
ON_COMMAND(ID_CALL_HISTORY, OnCallHistory)
END_MESSAGE_TABLE()

CDialerDlg::CDialerDlg()
    : CDialog(IDD_DIALER, nullptr),
      numberEntry_(*this),
      platform_(SystemPlatform()),
      appIcon_(::LoadIconA(CWinApp::ResourceHandle(), MAKEINTRESOURCEA(IDI_APPLICATION_PHONE))) {}

CDialerDlg::~CDialerDlg() = default;

INT_PTR CDialerDlg::RunModal(CDialerApp* app) {
    app_ = app;
    platform_ = app->Platform();
    display_.SetImageLoader(platform_.loadImage);
    ::InitCommonControls();
    imageList_.Create(16, 16, ILC_MASK, 1, 0);
    listIconIndex_ = imageList_.Add(::LoadIconA(CWinApp::ResourceHandle(), MAKEINTRESOURCEA(IDI_LIST_ITEM)));
    return DoModal();
}

void CDialerDlg::DoDataExchange(CDataExchange* exchange) {
    DDX_Control(exchange, IDC_CONTACT_LIST, list_);
    DDX_Control(exchange, IDC_END, endButton_);
}

BOOL CDialerDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(appIcon_));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(appIcon_));
    app_->SetForwardCharTarget(m_hWnd);
    app_->PublishMainWindow(m_hWnd);

    dialButton_.AutoLoad(IDC_DIAL, this);
    clearButton_.AutoLoad(IDC_CLEAR, this);
    for (int digit = 0; digit < 10; ++digit) digitButtons_[digit].AutoLoad(IDC_DIGIT_0 + digit, this);
    starButton_.AutoLoad(IDC_STAR, this);
    hashButton_.AutoLoad(IDC_HASH, this);
    creditsButton_.AutoLoad(IDC_CREDITS, this);

    AddCommandsToSystemMenu(m_hWnd);
    search_.SetEnabled(ReadFindAsYouType());
    CheckSystemMenuItem(m_hWnd, IDM_SYSTEM_FIND_AS_YOU_TYPE, search_.Enabled());

    watch_.Attach(m_hWnd, platform_.clock);
    contactsFile_.Open(m_hWnd, contacts_);
    InitList(list_, imageList_);
    contacts_.sortMode = kSortCallsDescending;
    contacts_.ResetOrder();
    numberEntry_.SetReplaceOnNextKey(false);
    RefillList();
    display_.LoadImages();
    RedrawDisplay();

    endButton_.SetIcon(::LoadIconA(CWinApp::ResourceHandle(), MAKEINTRESOURCEA(IDI_END_CALL)));
    if (pending_.Count() > 0) ::PostMessageA(m_hWnd, kTakeWaitingWorkMessage, 0, 0);  // the command line's
    return TRUE;
}

BOOL CDialerDlg::PreTranslateMessage(MSG* message) {
    // Escape first empties a number being dialled; only Escape on an empty
    // number reaches the dialog manager, which closes the window.
    if (message->message == WM_KEYDOWN && message->wParam == VK_ESCAPE && numberEntry_.Number()[0] != '\0') {
        numberEntry_.Clear();
        return FALSE;
    }
    // Ctrl+V and the like, before they become control characters.
    if (const int command = CommandOfKeyMessage(*message)) {
        SendMessage(WM_COMMAND, static_cast<WPARAM>(command));
        return TRUE;
    }
    // Typing moves the focus onto the keypad, where Space would press the
    // focused key and repeat its digit; a space between digit groups must
    // change nothing.
    if ((message->message == WM_KEYDOWN || message->message == WM_KEYUP) && message->wParam == VK_SPACE &&
        IsKeypadKey(message->hwnd)) {
        return TRUE;
    }
    return CDialog::PreTranslateMessage(message);
}

bool CDialerDlg::IsKeypadKey(HWND window) const {
    const int id = ::GetDlgCtrlID(window);
    return ::GetParent(window) == m_hWnd && id >= IDC_DIGIT_0 && id <= IDC_HASH;
}

BOOL CDialerDlg::DestroyWindow() {
    list_.DeleteAllItems();
    imageList_.DeleteImageList();
    display_.DeleteDCs();
    contactsFile_.Close();
    watch_.Watch().Exit();
    return CDialog::DestroyWindow();
}

void CDialerDlg::OnPaint() {
    CPaintDC paint(m_hWnd);
    if (::IsIconic(m_hWnd)) {
        SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(paint.GetSafeHdc()), 0);
        RECT client;
        ::GetClientRect(m_hWnd, &client);
        const Point origin = IconOrigin(client.right - client.left, client.bottom - client.top,
                                        ::GetSystemMetrics(SM_CXICON), ::GetSystemMetrics(SM_CYICON));
        ::DrawIcon(paint.GetSafeHdc(), origin.x, origin.y, appIcon_);
        return;
    }
    display_.PaintBackground(paint.GetSafeHdc());
    Default();
    display_.Paint(m_hWnd, numberEntry_.Number(), contacts_);
}

HCURSOR CDialerDlg::OnQueryDragIcon() {
    return reinterpret_cast<HCURSOR>(appIcon_);
}

void CDialerDlg::OnChar(UINT character, UINT, UINT) {
    numberEntry_.CharacterHandler(static_cast<unsigned char>(character), contacts_,
                                  rows_.filtered ? rows_.letterSlots : nullptr);
}

// Reactivation leaves the focus where it is: no default processing. Coming
// back to the window is when a user expects to see an edit made elsewhere;
// it is looked at once the activation is over, since a closing file dialog
// may not yet have given back the current folder.
void CDialerDlg::OnActivate(UINT state, HWND, bool) {
    if (state != WA_INACTIVE) ::PostMessageA(m_hWnd, kLookAtContactsFileMessage, 0, 0);
}

void CDialerDlg::OnKeypadButton(UINT id) {
    numberEntry_.EnterCharacter(static_cast<unsigned char>(kKeypadCharacters[id - IDC_DIGIT_0]));
}

void CDialerDlg::OnClear() {
    numberEntry_.Clear();
}

void CDialerDlg::OnDial() {
    Dial(contacts_, numberEntry_, watch_.Watch(), *this);
    SaveContacts();
}

void CDialerDlg::OnHeadingClick(NMHDR* header, LRESULT* result) {
    contacts_.ToggleSortMode(reinterpret_cast<NMLISTVIEW*>(header)->iSubItem);
    RefillList();
    *result = 0;
}

void CDialerDlg::OnRowClick(NMHDR* header, LRESULT* result) {
    const int slot = ClickedSlot(header);
    if (slot != kNoSlot) {
        LoadNumber(contacts_.slots[slot].number);
        numberEntry_.SetReplaceOnNextKey(true);
    }
    *result = 0;
}

void CDialerDlg::OnRowDoubleClick(NMHDR* header, LRESULT* result) {
    DialSlot(ClickedSlot(header));
    *result = 0;
}

void CDialerDlg::DialSlot(int slot) {
    if (slot == kNoSlot) return;
    LoadNumber(contacts_.slots[slot].number);
    OnDial();
}

void CDialerDlg::OnRowText(NMHDR* header, LRESULT* result) {
    ShowRow(contacts_, rows_, listIconIndex_, &reinterpret_cast<NMLVDISPINFOA*>(header)->item);
    *result = 0;
}

int CDialerDlg::ClickedSlot(const NMHDR* header) const {
    return RowSlot(contacts_, rows_, reinterpret_cast<const NMITEMACTIVATE*>(header)->iItem);
}

void CDialerDlg::LoadNumber(const char* number, bool typed) {
    numberEntry_.SetNumber(number, typed);
    RedrawDisplay();
}

// The new contact is made in the spare slot, which the compaction after the
// dialog takes in exactly when it got a number.
void CDialerDlg::OnNewContact() {
    Contact* spare = PrepareNewContact(contacts_, numberEntry_.Number());
    if (spare == nullptr) {
        MessageBox(kContactListFullMessage, kInfoCaption, MB_OK | MB_ICONINFORMATION);
    } else {
        CContactDlg dialog;
        const int stored = contacts_.count;
        if (dialog.DoModalOn(*spare) == IDCANCEL) contacts_.ClearSlot(contacts_.count);
        contacts_.Compact();
        if (contacts_.count > stored) contactsFile_.Changes().NoteAdd(contacts_.slots[contacts_.count - 1]);
        SaveContacts();
    }
    FocusControl(IDC_DIAL);
}

void CDialerDlg::OnEditContact() {
    const int slot = SelectedSlotOrFocusDial();
    if (slot == kNoSlot) return;
    const Contact before = contacts_.slots[slot];
    CContactDlg dialog;
    if (dialog.DoModalOn(contacts_.slots[slot]) != IDOK) {
        RefillList();
        return;
    }
    contactsFile_.Changes().NoteEdit(before, contacts_.slots[slot]);
    SaveContacts();
}

void CDialerDlg::OnDeleteContact() {
    const int slot = SelectedSlotOrFocusDial();
    if (slot == kNoSlot) return;
    const Contact gone = contacts_.slots[slot];
    contacts_.ClearSlot(slot);
    contacts_.Compact();
    contactsFile_.Changes().NoteDelete(gone);
    SaveContacts();
}

int CDialerDlg::SelectedSlotOrFocusDial() {
    const int slot = RowSlot(contacts_, rows_, FirstSelectedRow(list_));
    if (slot == kNoSlot) FocusControl(IDC_DIAL);
    return slot;
}

void CDialerDlg::OnShowAbout() {
    CAboutDlg about;
    about.DoModal();
}

void CDialerDlg::OnSysCommand(UINT choice) {
    if (const int command = CommandOfSystemChoice(choice)) {
        SendMessage(WM_COMMAND, static_cast<WPARAM>(command));
    } else {
        Default();
    }
}

void CDialerDlg::OnContextMenu(HWND window, int x, int y, bool fromKeyboard) {
    if (!OpenContextMenu(m_hWnd, window, list_.m_hWnd, x, y, fromKeyboard, numberEntry_.Number()[0] != '\0'))
        Default();
}

// A pasted number may want an extension or a missing digit: the next key
// adds to it. Text without a number changes nothing.
void CDialerDlg::OnPaste() {
    char number[kNumberFieldLimit + 1];
    if (!PastedNumber(m_hWnd, number, sizeof number)) {
        ::MessageBeep(MB_OK);
        return;
    }
    numberEntry_.SetReplaceOnNextKey(false);
    LoadNumber(number, true);
    FocusControl(IDC_DIAL);
}

void CDialerDlg::OnCopy() {
    if (numberEntry_.Number()[0] != '\0') CopyTextToClipboard(m_hWnd, numberEntry_.Number());
}

void CDialerDlg::OnCopyNumber() {
    const int slot = RowSlot(contacts_, rows_, FirstSelectedRow(list_));
    if (slot != kNoSlot) CopyTextToClipboard(m_hWnd, contacts_.slots[slot].number);
}

void CDialerDlg::OnDialContact() {
    DialSlot(RowSlot(contacts_, rows_, FirstSelectedRow(list_)));
}

void CDialerDlg::OnImport() {
    static ChosenFiles files;
    if (files.Choose(m_hWnd)) ImportAddressBooks(files.Paths(), files.Count(), files.LeftOut());
}

void CDialerDlg::OnToggleFindAsYouType() {
    search_.SetEnabled(!search_.Enabled());
    WriteFindAsYouType(search_.Enabled());
    CheckSystemMenuItem(m_hWnd, IDM_SYSTEM_FIND_AS_YOU_TYPE, search_.Enabled());
    RefillList();
}

void CDialerDlg::OnExport() {
    ExportContactsAs(m_hWnd, contacts_, contactsFile_.Files());
}

// A call chosen in the history is dialled as a double-click on a contact.
void CDialerDlg::OnCallHistory() {
    static char number[kDialNumberSize];
    CCallHistoryDlg dialog;
    const INT_PTR chosen = dialog.DoModalOn(history_.Log(contactsFile_.Files()), number);
    if (dialog.Changed()) history_.Save(contactsFile_.Files());
    if (chosen != IDOK) return;
    LoadNumber(number);
    OnDial();
}

bool CDialerDlg::OnQueryEndSession() {
    return true;
}

// Windows ends the process after this without destroying the window, so the
// run's contacts are saved here; a later orderly close saves them again.
void CDialerDlg::OnEndSession(bool ending) {
    if (!ending) return;
    contactsFile_.SaveQuietly();
}

// A later start in this folder hands over its arguments. The block is
// another process's: taken only when it is ours and well formed.
bool CDialerDlg::OnCopyData(HWND, const COPYDATASTRUCT* data) {
    static HandoverArguments received;
    if (data == nullptr || data->dwData != kHandoverTag || !received.Unpack(data->lpData, data->cbData))
        return false;
    QueueArguments(received);
    return true;
}

void CDialerDlg::QueueArguments(const HandoverArguments& arguments) {
    for (int i = 0; i < arguments.Count(); ++i) pending_.Add(arguments.At(i));
    if (m_hWnd != nullptr && pending_.Count() > 0) ::PostMessageA(m_hWnd, kTakeWaitingWorkMessage, 0, 0);
}

// While a dialog or message box of this window is open the window is
// disabled, and the work waits: an import or a reload must never land in a
// table that a dialog is editing. Enabled again, the window takes it up.
LRESULT CDialerDlg::OnTakeWaitingWork(WPARAM, LPARAM) {
    const bool free = ::IsWindowEnabled(m_hWnd) != FALSE;
    if (contactsFile_.TakeOutsideChanges(free)) {
        RefillList();
        RedrawDisplay();
    }
    if (!free || pending_.Count() == 0) return 0;
    static HandoverArguments taken;  // the next handover may come while this one shows a box
    taken = pending_;
    pending_.Clear();
    TakeArguments(taken);
    return 0;
}

void CDialerDlg::OnEnable(bool enabled) {
    if (enabled && (pending_.Count() > 0 || contactsFile_.LookWaits()))
        ::PostMessageA(m_hWnd, kTakeWaitingWorkMessage, 0, 0);
}

void CDialerDlg::SaveContacts() {
    contactsFile_.Save();
    RefillList();
    RedrawDisplay();
}

void CDialerDlg::TakeArguments(const HandoverArguments& arguments) {
    const char* files[kMaxImportFiles];
    int fileCount = 0;
    for (int i = 0; i < arguments.Count(); ++i) {
        char number[kArgumentNumberSize];
        switch (ReadArgument(arguments.At(i), number)) {
            case ArgumentKind::kNumber:
                LoadNumber(number);
                numberEntry_.SetReplaceOnNextKey(true);
                FocusControl(IDC_DIAL);
                break;
            case ArgumentKind::kAddressBook:
                if (fileCount < kMaxImportFiles) files[fileCount++] = arguments.At(i);
                break;
            case ArgumentKind::kUnknown: {
                char text[kMaxHandoverArgumentLength + 100];
                std::snprintf(text, sizeof text, kUnknownArgumentMessage, arguments.At(i));
                MessageBox(text, "ERROR", MB_OK | MB_ICONEXCLAMATION);
                break;
            }
        }
    }
    if (fileCount > 0) ImportAddressBooks(files, fileCount);
}

// Saved at once: an import is too much work to lose to a crash before the
// window closes; and before the summary, which may sit on the screen a while.
void CDialerDlg::ImportAddressBooks(const char* const* paths, int count, int leftOut) {
    if (!contactsFile_.Changes().MaySave()) {
        MessageBox(ContactsFile::kUnreadableMessage, "ERROR", MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    char summary[2048];
    const int before = contacts_.count;
    ImportFiles(paths, count, leftOut, contacts_, summary, sizeof summary);
    contactsFile_.Changes().NoteImport(before);
    SaveContacts();
    MessageBox(summary, kInfoCaption, MB_OK | MB_ICONINFORMATION);
    FocusControl(IDC_DIAL);
}

void CDialerDlg::OnDropFiles(HDROP drop) {
    static DroppedFiles files;
    files.Take(drop);
    if (files.Count() + files.LeftOut() > 0 && ::IsWindowEnabled(m_hWnd))
        ImportAddressBooks(files.Paths(), files.Count(), files.LeftOut());
}

void CDialerDlg::ShowMessage(const char* text, const char* caption, unsigned style) {
    MessageBox(text, caption, style);
}

void CDialerDlg::CallCounted(const Contact& contact, bool added) {
    if (added) {
        contactsFile_.Changes().NoteAdd(contact);
    } else {
        contactsFile_.Changes().NoteCall(contact.name, contact.number);
    }
}

void CDialerDlg::PlayKeySound(int soundId) {
    platform_.playSound(soundId);
}

void CDialerDlg::FocusControl(int controlId) {
    ::SetFocus(GetDlgItem(controlId));
}

bool CDialerDlg::AskYesNo(const char* text, const char* caption) {
    return MessageBox(text, caption, MB_YESNO | MB_ICONQUESTION) == IDYES;
}

void CDialerDlg::RedrawDisplay() {
    display_.Redraw(m_hWnd, numberEntry_.Number(), contacts_);
    if (search_.Follow(numberEntry_.Number(), numberEntry_.Composing()))
        ShowFoundRows(list_, contacts_, search_, &rows_);
}

int CDialerDlg::RunUnknownNumberDialog(Contact& target, NumberEntry& entry, bool tableFull) {
    CUnknownNumberDlg dialog;
    return dialog.DoModalOn(target, entry, tableFull);
}

std::int32_t CDialerDlg::RequestMakeCall(const char* destination, const char* application,
                                         const char* calledParty, const char* comment) {
    const std::int32_t result = ::RequestMakeCall(destination, application, calledParty, comment);
    history_.Record(destination, calledParty, result, contactsFile_.Files());
    return result;
}

void CDialerDlg::RefillList() {
    search_.Follow(numberEntry_.Number(), numberEntry_.Composing());
    ::RefillList(list_, contacts_, search_, &rows_);
}
