// The framework on its own: modal run, message table, data exchange; and the
// contact dialog and the About box without the main window.
#include <gtest/gtest.h>

#include "TestIds.h"
#include "UiDriver.h"
#include "contacts/FieldRules.h"
#include "framework/Dialog.h"
#include "res/resource.h"
#include "ui/AboutDlg.h"
#include "ui/ContactDlg.h"

namespace {

class FieldsDialog : public CDialog {
    DECLARE_MESSAGE_TABLE(FieldsDialog)

public:
    explicit FieldsDialog(CWnd* parent = nullptr, UINT id = IDD_TEST_FIELDS) : CDialog(id, parent) {}
    void DoDataExchange(CDataExchange* exchange) override {
        DDX_Text(exchange, IDC_TEST_NAME, name);
        DDX_Text(exchange, IDC_TEST_CALLS, calls);
        DDV_MinMaxUInt(exchange, calls, 0, 999999999);
    }
    void OnRange(UINT id) { rangeId = id; }
    void OnNameClicked(NMHDR* header, LRESULT* result) {
        lastNotify = *header;
        *result = 42;
    }
    void OnCancel() override {
        ++cancels;
        CDialog::OnCancel();
    }

    char name[16] = "Ann";
    unsigned calls = 7;
    UINT rangeId = 0;
    NMHDR lastNotify{};
    int closes = 0, cancels = 0;
};

// WM_CLOSE handled by default processing, counted.
#define ON_WM_CLOSE_COUNTED()                                                        \
    { WM_CLOSE, 0, 0, 0, TOLLWICK_HANDLER(++self->closes; return self->Default();) } \
    ,
BEGIN_MESSAGE_TABLE(FieldsDialog, CDialog)
ON_COMMAND_RANGE(IDC_TEST_FIRST, IDC_TEST_LAST, OnRange)
ON_NOTIFY(NM_CLICK, IDC_TEST_NAME, OnNameClicked)
ON_WM_CLOSE_COUNTED()
END_MESSAGE_TABLE()

// Default() inside a dialog's handler runs the dialog manager's processing:
// WM_CLOSE becomes Cancel, where a plain window's default would destroy it.
TEST(Default, InADialogRunsTheDialogManagersProcessing) {
    FieldsDialog dialog;
    const DWORD ui = ::GetCurrentThreadId();
    RunDriven(
        "Fields", [&] { return dialog.DoModal(); },
        [&](HWND window) {
            ::PostMessageA(window, WM_CLOSE, 0, 0);
            if (!WaitUntil([&] { return dialog.cancels == 1; }, 3000))
                ::PostThreadMessageA(ui, WM_QUIT, 0, 0);
        });
    EXPECT_EQ(dialog.closes, 1);
    EXPECT_EQ(dialog.cancels, 1);
}

// The refusals of bad numbers are walked by the contact dialog's test.
TEST(DataExchange, FieldsLoadAtStartAndSaveOnOkWithinTheirMembers) {
    FieldsDialog dialog;
    const INT_PTR result = RunDriven(
        "Fields", [&] { return dialog.DoModal(); },
        [](HWND window) {
            EXPECT_EQ(DialogItemText(window, IDC_TEST_NAME) + "|" + DialogItemText(window, IDC_TEST_CALLS),
                      "Ann|7");
            ::SetDlgItemTextA(window, IDC_TEST_NAME, "A name longer than sixteen");
            ::SetDlgItemTextA(window, IDC_TEST_CALLS, " 999999999 ");
            ClickButton(window, IDOK);
        });
    EXPECT_EQ(result, IDOK);
    EXPECT_STREQ(dialog.name, "A name longer t");  // bounded by the member's 16 bytes
    EXPECT_EQ(dialog.calls, 999999999u);
}

// With an owner, disabled while the dialog runs: commands and notifications
// reach their handlers; Escape cancels through the base table, members untouched.
TEST(MessageTable, CommandsAndNotificationsReachTheirHandlersWhileTheOwnerIsDisabled) {
    HWND ownerWindow = ::CreateWindowA("STATIC", "owner", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr,
                                       nullptr, nullptr, nullptr);
    ASSERT_NE(ownerWindow, nullptr);
    CWnd owner;
    owner.m_hWnd = ownerWindow;
    FieldsDialog dialog(&owner);
    bool enabledWhileRunning = true;
    const INT_PTR result = RunDriven(
        "Fields", [&] { return dialog.DoModal(); },
        [&](HWND window) {
            enabledWhileRunning = ::IsWindowEnabled(ownerWindow) != FALSE;
            EXPECT_EQ(::GetWindow(window, GW_OWNER), ownerWindow);
            for (int id : {IDC_TEST_LAST, 905, IDC_TEST_FIRST}) {
                ClickButton(window, id);
                EXPECT_TRUE(WaitUntil([&] { return dialog.rangeId == static_cast<UINT>(id); })) << id;
            }
            // Notifications match on the control as well as the code, and their
            // handler's result is the answer of the message.
            HWND name = ::GetDlgItem(window, IDC_TEST_NAME);
            for (int control : {IDC_TEST_CALLS, IDC_TEST_NAME}) {
                NMHDR click{name, static_cast<UINT_PTR>(control), static_cast<UINT>(NM_CLICK)};
                EXPECT_EQ(::SendMessageA(window, WM_NOTIFY, control, reinterpret_cast<LPARAM>(&click)),
                          control == IDC_TEST_NAME ? 42 : 0);
                EXPECT_EQ(dialog.lastNotify.idFrom, control == IDC_TEST_NAME ? control : 0u);
            }
            ::SetDlgItemTextA(window, IDC_TEST_NAME, "Changed");
            ::SetDlgItemTextA(window, IDC_TEST_CALLS, "not a number");
            PostKey(name, VK_ESCAPE);
        });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_FALSE(enabledWhileRunning);
    EXPECT_TRUE(::IsWindowEnabled(ownerWindow));
    EXPECT_EQ(dialog.m_hWnd, nullptr);  // the window is gone once DoModal returns
    EXPECT_STREQ(dialog.name, "Ann");
    EXPECT_EQ(dialog.calls, 7u);

    FieldsDialog missing(&owner, IDD_TEST_MISSING);
    EXPECT_EQ(missing.DoModal(), -1);
    EXPECT_TRUE(::IsWindowEnabled(ownerWindow));
    owner.m_hWnd = nullptr;
    ::DestroyWindow(ownerWindow);
}

TEST(ContactDlg, RefusesEachBadFieldOnceUntilCorrectedThenStoresAllThree) {
    Contact slot{"Ann", "555-0100", -1};
    CContactDlg dialog;
    const DWORD ui = ::GetCurrentThreadId();
    const char* const range = "Please enter a number from 0 to 999999999.";
    const char* const whole = "Please enter a whole number.";
    const char* const bad = kFieldProblemMessage;
    // The Calls field's messages come from the data exchange, under the dialog's caption.
    const struct {
        int field;
        const char* text;
        const char* message;
    } refused[] = {
        {IDC_CALLS, "4294967295", range}, {IDC_CALLS, "1000000000", range}, {IDC_CALLS, "4294967296", whole},
        {IDC_CALLS, "", whole},           {IDC_CALLS, "twelve", whole},     {IDC_CALLS, "-3", whole},
        {IDC_NAME, "Smith, Bea", bad},    {IDC_NAME, "#Bea", bad},          {IDC_NUMBER, "1,2", bad}};
    const auto fill = [](HWND window) {
        ::SetDlgItemTextA(window, IDC_NAME, "Bea");
        ::SetDlgItemTextA(window, IDC_NUMBER, "1");
        ::SetDlgItemTextA(window, IDC_CALLS, "999999999");
    };
    const INT_PTR result = RunDriven(
        "Update contact", [&] { return dialog.DoModalOn(slot); },
        [&](HWND window) {
            EXPECT_EQ(DialogItemText(window, IDC_NAME) + DialogItemText(window, IDC_NUMBER), "Ann555-0100");
            EXPECT_EQ(DialogItemText(window, IDC_CALLS), "4294967295");  // the stored -1
            EXPECT_EQ(::SendDlgItemMessageA(window, IDC_NAME, EM_GETLIMITTEXT, 0, 0), 50);
            EXPECT_EQ(::SendDlgItemMessageA(window, IDC_NUMBER, EM_GETLIMITTEXT, 0, 0), 28);
            for (const auto& r : refused) {
                fill(window);
                ::SetDlgItemTextA(window, r.field, r.text);
                ClickButton(window, IDOK);
                const char* caption = r.field == IDC_CALLS ? "Update contact" : "HEY!";
                HWND box = WaitForWindow(ui, caption, window);
                ASSERT_NE(box, nullptr) << r.text;
                EXPECT_EQ(MessageBoxText(box), r.message) << r.text;
                ClickButton(box, IDOK);
                EXPECT_TRUE(FocusReturnsTo(ui, window, ::GetDlgItem(window, r.field))) << r.text;
                EXPECT_EQ(WaitForWindow(ui, caption, window, 300), nullptr) << r.text << ": a second message";
                EXPECT_TRUE(::IsWindowVisible(window)) << r.text;
                EXPECT_STREQ(slot.name, "Ann") << r.text;
            }
            fill(window);
            ClickButton(window, IDOK);
        });
    EXPECT_EQ(result, IDOK);
    EXPECT_STREQ(slot.name, "Bea");
    EXPECT_STREQ(slot.number, "1");
    EXPECT_EQ(slot.calls, 999999999);
}

TEST(ContactDlg, CancelLeavesTheSlotAndTheAboutBoxClosesWithEscape) {
    Contact slot{"Ann", "555-0100", 4};
    CContactDlg dialog;
    EXPECT_EQ(RunDriven(
                  "Update contact", [&] { return dialog.DoModalOn(slot); },
                  [](HWND window) {
                      ::SetDlgItemTextA(window, IDC_NAME, "Bea");
                      ::SetDlgItemTextA(window, IDC_CALLS, "7");
                      ClickButton(window, IDCANCEL);
                  }),
              IDCANCEL);
    EXPECT_STREQ(slot.name, "Ann");
    EXPECT_EQ(slot.calls, 4);

    CAboutDlg about;
    EXPECT_EQ(RunDriven(
                  "Tollwick v1.3 (29. Nov.1998.)", [&] { return about.DoModal(); },
                  [](HWND window) { PostKey(window, VK_ESCAPE); }),
              IDCANCEL);
}

}  // namespace
