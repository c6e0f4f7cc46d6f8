#include "app/DialerDlg.h"

#include <cstring>

#include "app/DialerApp.h"
#include "res/resource.h"

namespace {

// The background picture's size; the client area is a pixel or two larger.
constexpr int kBackgroundWidth = 400;
constexpr int kBackgroundHeight = 370;

}  // namespace

BEGIN_MESSAGE_TABLE(CDialerDlg, CDialog)
ON_WM_PAINT()
ON_WM_QUERYDRAGICON()
ON_WM_CHAR()
ON_WM_ACTIVATE()
END_MESSAGE_TABLE()

CDialerDlg::CDialerDlg()
    : CDialog(IDD_DIALER, nullptr),
      appIcon_(::LoadIconA(CWinApp::ResourceHandle(), MAKEINTRESOURCEA(IDI_APPLICATION_PHONE))) {}

INT_PTR CDialerDlg::RunModal(CDialerApp* app) {
    app_ = app;
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

    dialButton_.AutoLoad(IDC_DIAL, this);
    clearButton_.AutoLoad(IDC_CLEAR, this);
    for (int digit = 0; digit < 10; ++digit) digitButtons_[digit].AutoLoad(IDC_DIGIT_0 + digit, this);
    starButton_.AutoLoad(IDC_STAR, this);
    hashButton_.AutoLoad(IDC_HASH, this);
    creditsButton_.AutoLoad(IDC_CREDITS, this);

    ContactsFile::Read(contacts_, *this);
    contacts_.sortMode = kSortCallsDescending;
    contacts_.ResetOrder();
    LoadDisplayImages();

    endButton_.SetIcon(::LoadIconA(CWinApp::ResourceHandle(), MAKEINTRESOURCEA(IDI_END_CALL)));
    return TRUE;
}

BOOL CDialerDlg::PreTranslateMessage(MSG* message) {
    // Escape first empties a number being dialled; only Escape on an empty
    // number reaches the dialog manager, which closes the window.
    if (message->message == WM_KEYDOWN && message->wParam == VK_ESCAPE && dialNumber_[0] != '\0') {
        Clear();
        return FALSE;
    }
    return CDialog::PreTranslateMessage(message);
}

BOOL CDialerDlg::DestroyWindow() {
    list_.DeleteAllItems();
    imageList_.DeleteImageList();
    backgroundDC_.DeleteDC();
    ContactsFile::Write(contacts_, *this);
    return CDialog::DestroyWindow();
}

// The background picture, held in a memory DC for painting. Without it the
// window paints from an empty DC: no picture, and nothing reported.
void CDialerDlg::LoadDisplayImages() {
    background_.Reset(
        static_cast<HBITMAP>(::LoadImageA(::GetModuleHandleA(nullptr), "IDB_BACK", IMAGE_BITMAP,
                                          kBackgroundWidth, kBackgroundHeight, LR_CREATEDIBSECTION)));
    backgroundDC_.CreateCompatibleDC(nullptr);
    if (background_) ::SelectObject(backgroundDC_.GetSafeHdc(), background_.Get());
}

void CDialerDlg::OnPaint() {
    CPaintDC paint(m_hWnd);
    if (::IsIconic(m_hWnd)) {
        SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(paint.GetSafeHdc()), 0);
        const int iconWidth = ::GetSystemMetrics(SM_CXICON);
        const int iconHeight = ::GetSystemMetrics(SM_CYICON);
        RECT client;
        ::GetClientRect(m_hWnd, &client);
        const int x = (client.right - client.left - iconWidth + 1) / 2;
        const int y = (client.bottom - client.top - iconHeight + 1) / 2;
        ::DrawIcon(paint.GetSafeHdc(), x, y, appIcon_);
        return;
    }
    ::BitBlt(paint.GetSafeHdc(), 0, 0, kBackgroundWidth, kBackgroundHeight, backgroundDC_.GetSafeHdc(), 0, 0,
             SRCCOPY);
    Default();
}

HCURSOR CDialerDlg::OnQueryDragIcon() {
    return reinterpret_cast<HCURSOR>(appIcon_);
}

void CDialerDlg::OnChar(UINT character, UINT, UINT) {
    const std::size_t length = std::strlen(dialNumber_);
    if (character >= '0' && character <= '9' && length < kDialNumberMaxTyped) {
        dialNumber_[length] = static_cast<char>(character);
        dialNumber_[length + 1] = '\0';
    }
}

// Reactivation leaves the focus where it is: no default processing.
void CDialerDlg::OnActivate(UINT, HWND, bool) {}

void CDialerDlg::Clear() {
    dialNumber_[0] = '\0';
}

void CDialerDlg::ShowMessage(const char* text, const char* caption, unsigned style) {
    MessageBox(text, caption, style);
}

bool CDialerDlg::MoveIntoPlace(const char* temporary, const char* target) {
    return ::MoveFileExA(temporary, target, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
}
