// The framework on its own: modal run, message table, data exchange.
#include <gtest/gtest.h>

#include <cstring>

#include "TestIds.h"
#include "UiDriver.h"
#include "framework/Dialog.h"

namespace {

class FieldsDialog : public CDialog {
    DECLARE_MESSAGE_TABLE(FieldsDialog)

public:
    explicit FieldsDialog(CWnd* parent = nullptr, UINT id = IDD_TEST_FIELDS) : CDialog(id, parent) {}

    char name[16] = "Ann";
    unsigned calls = 7;
    int pings = 0;
    UINT rangeId = 0;
    NMHDR lastNotify{};

protected:
    void DoDataExchange(CDataExchange* exchange) override {
        DDX_Text(exchange, IDC_TEST_NAME, name);
        DDX_Text(exchange, IDC_TEST_CALLS, calls);
        DDV_MinMaxUInt(exchange, calls, 0, 999999999);
    }

private:
    void OnPing() { ++pings; }
    void OnRange(UINT id) { rangeId = id; }
    void OnNameClicked(NMHDR* header, LRESULT* result) {
        lastNotify = *header;
        *result = 42;
    }
};

BEGIN_MESSAGE_TABLE(FieldsDialog, CDialog)
ON_COMMAND(IDC_TEST_PING, OnPing)
ON_COMMAND_RANGE(IDC_TEST_FIRST, IDC_TEST_LAST, OnRange)
ON_NOTIFY(NM_CLICK, IDC_TEST_NAME, OnNameClicked)
END_MESSAGE_TABLE()

std::string ItemText(HWND dialog, int id) {
    char text[256] = "";
    ::GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

// Runs the dialog modally on this thread while `drive` acts on its window.
template <typename Drive>
INT_PTR RunFields(FieldsDialog& dialog, Drive drive) {
    const DWORD ui = ::GetCurrentThreadId();
    INT_PTR result = 0;
    {
        DriverThread driver([&] {
            HWND window = WaitForWindow(ui, "Fields");
            if (window == nullptr) {
                ADD_FAILURE() << "the dialog did not appear";
                ::PostThreadMessageA(ui, WM_QUIT, 0, 0);
                return;
            }
            drive(window);
        });
        result = dialog.DoModal();
    }
    return result;
}

TEST(DataExchange, FieldsLoadAtStartAndSaveOnOk) {
    FieldsDialog dialog;
    const INT_PTR result = RunFields(dialog, [](HWND window) {
        EXPECT_EQ(ItemText(window, IDC_TEST_NAME), "Ann");
        EXPECT_EQ(ItemText(window, IDC_TEST_CALLS), "7");
        ::SetDlgItemTextA(window, IDC_TEST_NAME, "A name longer than sixteen");
        ::SetDlgItemTextA(window, IDC_TEST_CALLS, " 999999999 ");
        ClickButton(window, IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_STREQ(dialog.name, "A name longer t");  // bounded by the member's 16 bytes
    EXPECT_EQ(dialog.calls, 999999999u);
}

TEST(DataExchange, FailedValidationSaysWhyFocusesTheFieldAndKeepsTheDialogOpen) {
    FieldsDialog dialog;
    const DWORD ui = ::GetCurrentThreadId();
    const struct {
        const char* text;
        const char* message;
    } refused[] = {{"1000000000", "Please enter a number from 0 to 999999999."},
                   {"4294967296", "Please enter a whole number."},
                   {"-1", "Please enter a whole number."},
                   {"12abc", "Please enter a whole number."},
                   {"", "Please enter a whole number."}};
    const INT_PTR result = RunFields(dialog, [&](HWND window) {
        for (const auto& r : refused) {
            ::SetDlgItemTextA(window, IDC_TEST_CALLS, r.text);
            ClickButton(window, IDOK);
            // The message box takes the dialog's caption.
            HWND box = WaitForWindow(ui, "Fields", window);
            ASSERT_NE(box, nullptr) << r.text;
            EXPECT_EQ(MessageBoxText(box), r.message) << r.text;
            ClickButton(box, IDOK);
            EXPECT_TRUE(WaitUntil([&] { return FocusOf(ui) == ::GetDlgItem(window, IDC_TEST_CALLS); }))
                << r.text;
            EXPECT_TRUE(::IsWindowVisible(window)) << r.text;
        }
        ::SetDlgItemTextA(window, IDC_TEST_CALLS, "0");
        ClickButton(window, IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dialog.calls, 0u);
}

TEST(DataExchange, CancelLeavesTheMembersAlone) {
    FieldsDialog dialog;
    const INT_PTR result = RunFields(dialog, [](HWND window) {
        ::SetDlgItemTextA(window, IDC_TEST_NAME, "Changed");
        ::SetDlgItemTextA(window, IDC_TEST_CALLS, "not a number");
        ClickButton(window, IDCANCEL);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_STREQ(dialog.name, "Ann");
    EXPECT_EQ(dialog.calls, 7u);
}

TEST(MessageTable, CommandsReachTheirHandlersAndBaseEntriesStillWork) {
    FieldsDialog dialog;
    const INT_PTR result = RunFields(dialog, [&](HWND window) {
        ClickButton(window, IDC_TEST_PING);
        ClickButton(window, IDC_TEST_PING);
        EXPECT_TRUE(WaitUntil([&] { return dialog.pings == 2; }));
        for (int id : {IDC_TEST_LAST, 905, IDC_TEST_FIRST}) {
            ClickButton(window, id);
            EXPECT_TRUE(WaitUntil([&] { return dialog.rangeId == static_cast<UINT>(id); })) << id;
        }
        // Notifications match on both the code and the control, and their
        // handler's result is the answer of the message.
        HWND name = ::GetDlgItem(window, IDC_TEST_NAME);
        NMHDR click{name, IDC_TEST_NAME, static_cast<UINT>(NM_CLICK)};
        EXPECT_EQ(::SendMessageA(window, WM_NOTIFY, IDC_TEST_NAME, reinterpret_cast<LPARAM>(&click)), 42);
        EXPECT_EQ(dialog.lastNotify.hwndFrom, name);
        NMHDR otherCode{name, IDC_TEST_NAME, static_cast<UINT>(NM_DBLCLK)};
        NMHDR otherControl{name, IDC_TEST_CALLS, static_cast<UINT>(NM_CLICK)};
        EXPECT_EQ(::SendMessageA(window, WM_NOTIFY, IDC_TEST_NAME, reinterpret_cast<LPARAM>(&otherCode)), 0);
        EXPECT_EQ(::SendMessageA(window, WM_NOTIFY, IDC_TEST_CALLS, reinterpret_cast<LPARAM>(&otherControl)),
                  0);
        EXPECT_EQ(dialog.lastNotify.code, static_cast<UINT>(NM_CLICK));
        // Escape goes to the dialog manager and through the base table's Cancel.
        PostKey(::GetDlgItem(window, IDC_TEST_NAME), VK_ESCAPE);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(dialog.pings, 2);
}

TEST(DoModal, DisablesTheOwnerWhileRunning) {
    HWND ownerWindow = ::CreateWindowA("STATIC", "owner", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr,
                                       nullptr, nullptr, nullptr);
    ASSERT_NE(ownerWindow, nullptr);
    CWnd owner;
    owner.m_hWnd = ownerWindow;
    FieldsDialog dialog(&owner);
    bool enabledWhileRunning = true;
    const INT_PTR result = RunFields(dialog, [&](HWND window) {
        enabledWhileRunning = ::IsWindowEnabled(ownerWindow) != FALSE;
        EXPECT_EQ(::GetWindow(window, GW_OWNER), ownerWindow);
        ClickButton(window, IDCANCEL);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_FALSE(enabledWhileRunning);
    EXPECT_TRUE(::IsWindowEnabled(ownerWindow));
    EXPECT_EQ(dialog.m_hWnd, nullptr);  // the window is gone once DoModal returns
    owner.m_hWnd = nullptr;
    ::DestroyWindow(ownerWindow);
}

TEST(DoModal, MissingTemplateGivesMinusOneAndLeavesTheOwnerEnabled) {
    HWND ownerWindow =
        ::CreateWindowA("STATIC", "owner", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr, nullptr, nullptr);
    CWnd owner;
    owner.m_hWnd = ownerWindow;
    FieldsDialog dialog(&owner, IDD_TEST_MISSING);
    EXPECT_EQ(dialog.DoModal(), -1);
    EXPECT_TRUE(::IsWindowEnabled(ownerWindow));
    owner.m_hWnd = nullptr;
    ::DestroyWindow(ownerWindow);
}

}  // namespace
