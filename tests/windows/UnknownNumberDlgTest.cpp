// The unknown-number dialog on its own: which exit does what to the record,
// the dial number and the called party, and what "Save it!" refuses.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "UiDriver.h"
#include "calling/CallFlow.h"
#include "calling/UnknownNumberDlg.h"
#include "contacts/FieldRules.h"
#include "framework/WinApp.h"
#include "res/resource.h"

namespace {

class QuietPad : public DialPadHost {
public:
    void PlayKeySound(int) override {}
    void FocusControl(int) override {}
    bool AskYesNo(const char*, const char*) override { return false; }
    void RedrawDisplay() override {}
};

struct Outcome {
    int result;
    Contact target;
    std::string number;
    std::string party;
};

// Opens the dialog on a record holding "555", as Dial prepares it, while
// `drive` acts on its window from another thread.
template <typename Drive>
Outcome RunDialog(bool tableFull, Drive drive) {
    QuietPad pad;
    NumberEntry entry(pad);
    entry.SetNumber("555");
    entry.SetCalledParty("before");
    Contact target{};
    std::strcpy(target.number, "555");
    CUnknownNumberDlg dialog;
    const DWORD ui = ::GetCurrentThreadId();
    int result = 0;
    {
        DriverThread driver([&] {
            HWND window = WaitForWindow(ui, "Hey...");
            if (window == nullptr) {
                ADD_FAILURE() << "the dialog did not appear";
                ::PostThreadMessageA(ui, WM_QUIT, 0, 0);
                return;
            }
            drive(window);
        });
        result = dialog.DoModalOn(target, entry, tableFull);
    }
    return {result, target, entry.Number(), entry.CalledParty()};
}

bool Cleared(const Contact& contact) {
    const Contact zero{};
    return std::memcmp(&contact, &zero, sizeof zero) == 0;
}

TEST(UnknownNumberDlg, EnterAndJustDialDialTheOpeningNumberWithoutSaving) {
    const DWORD ui = ::GetCurrentThreadId();
    for (bool byEnter : {true, false}) {
        const Outcome run = RunDialog(false, [&](HWND window) {
            HWND name = ::GetDlgItem(window, IDC_NAME);
            EXPECT_TRUE(WaitUntil([&] { return FocusOf(ui) == name; }));
            EXPECT_EQ(::SendMessageA(name, EM_GETLIMITTEXT, 0, 0), kNameFieldLimit);
            EXPECT_EQ(::SendDlgItemMessageA(window, IDC_NUMBER, EM_GETLIMITTEXT, 0, 0), kNumberFieldLimit);
            char shown[64] = "";
            ::GetDlgItemTextA(window, IDC_NUMBER, shown, sizeof shown);
            EXPECT_STREQ(shown, "555");
            ::SetDlgItemTextA(window, IDC_NAME, "Zed");
            ::SetDlgItemTextA(window, IDC_NUMBER, "999");
            if (byEnter) {
                PostKey(name, VK_RETURN);
            } else {
                ClickButton(window, IDC_JUST_DIAL);
            }
        });
        EXPECT_EQ(run.result, IDOK) << byEnter;
        EXPECT_TRUE(Cleared(run.target)) << byEnter;
        EXPECT_EQ(run.number, "555") << byEnter;
        EXPECT_EQ(run.party, "") << byEnter;
    }
}

TEST(UnknownNumberDlg, SaveItRefusesWhatTheFileCannotKeepThenStores) {
    const DWORD ui = ::GetCurrentThreadId();
    const struct {
        const char* name;
        const char* number;
        int field;
    } refused[] = {{"Smith, John", "1", IDC_NAME},
                   {"#1", "1", IDC_NAME},
                   {"[x]", "1", IDC_NAME},
                   {"Ann", "1,2", IDC_NUMBER}};
    const Outcome run = RunDialog(false, [&](HWND window) {
        for (const auto& r : refused) {
            ::SetDlgItemTextA(window, IDC_NAME, r.name);
            ::SetDlgItemTextA(window, IDC_NUMBER, r.number);
            ClickButton(window, IDOK);
            HWND box = WaitForWindow(ui, "HEY!");
            ASSERT_NE(box, nullptr) << r.name;
            EXPECT_EQ(MessageBoxText(box), kFieldProblemMessage);
            ClickButton(box, IDOK);
            EXPECT_TRUE(WaitUntil([&] { return FocusOf(ui) == ::GetDlgItem(window, r.field); })) << r.name;
            EXPECT_TRUE(::IsWindowVisible(window)) << r.name;
        }
        ::SetDlgItemTextA(window, IDC_NAME, "Ann Lee");
        ::SetDlgItemTextA(window, IDC_NUMBER, "(555) 77");
        ClickButton(window, IDOK);
    });
    EXPECT_EQ(run.result, IDOK);
    EXPECT_STREQ(run.target.name, "Ann Lee");
    EXPECT_STREQ(run.target.number, "(555) 77");
    EXPECT_EQ(run.target.calls, 0);
    EXPECT_EQ(run.number, "(555) 77");
    EXPECT_EQ(run.party, kSavedPartyMark);
}

TEST(UnknownNumberDlg, FullTableRefusesSaveItAndCancelClears) {
    const DWORD ui = ::GetCurrentThreadId();
    const Outcome run = RunDialog(true, [&](HWND window) {
        ::SetDlgItemTextA(window, IDC_NAME, "Ann");
        ClickButton(window, IDOK);
        HWND box = WaitForWindow(ui, "INFO");
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(MessageBoxText(box), kContactListFullMessage);
        ClickButton(box, IDOK);
        ASSERT_TRUE(WaitUntil([&] { return NoWindow(ui, "INFO"); }));
        EXPECT_TRUE(::IsWindowVisible(window));
        PostKey(::GetDlgItem(window, IDC_NAME), VK_ESCAPE);
    });
    EXPECT_EQ(run.result, IDCANCEL);
    EXPECT_TRUE(Cleared(run.target));
    EXPECT_EQ(run.number, "555");
    EXPECT_EQ(run.party, "before");
}

TEST(UnknownNumberDlg, TheMainWindowOwnsItAndIsDisabledMeanwhile) {
    CWinApp* app = CWinApp::Current();
    ASSERT_NE(app, nullptr);
    HWND mainWindow = ::CreateWindowA("STATIC", "main", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr,
                                      nullptr, nullptr);
    CWnd main;
    main.m_hWnd = mainWindow;
    CWnd* previous = app->m_pMainWnd;
    app->m_pMainWnd = &main;
    bool enabledMeanwhile = true;
    HWND owner = nullptr;
    const Outcome run = RunDialog(false, [&](HWND window) {
        enabledMeanwhile = ::IsWindowEnabled(mainWindow) != FALSE;
        owner = ::GetWindow(window, GW_OWNER);
        ClickButton(window, IDCANCEL);
    });
    app->m_pMainWnd = previous;
    EXPECT_EQ(run.result, IDCANCEL);
    EXPECT_EQ(owner, mainWindow);
    EXPECT_FALSE(enabledMeanwhile);
    EXPECT_TRUE(::IsWindowEnabled(mainWindow));
    main.m_hWnd = nullptr;
    ::DestroyWindow(mainWindow);
}

}  // namespace
