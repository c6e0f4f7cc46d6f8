// The real main window, run by the application's own start-up on this
// thread and driven from a second thread with the messages a user causes.
#include <gtest/gtest.h>

#include <memory>

#include "DialerWindow.h"
#include "res/resource.h"
#include "tests/common/ContactsText.h"
#include "tests/common/FileBytes.h"

namespace {

TEST_F(DialerWindow, ReadsContactsAtStartAndRewritesThemOnExit) {
    WriteFileBytes("contacts.txt", kContacts);
    int countWhileOpen = -1;
    Run([&](HWND main) {
        countWhileOpen = Dialog().Contacts().count;
        EXPECT_STREQ(Dialog().Contacts().slots[1].name, "Bob ");
        EXPECT_EQ(forwardTargetWhileOpen_, main);
        ClickButton(main, IDOK);
    });
    EXPECT_EQ(countWhileOpen, 2);
    EXPECT_EQ(theApp.ForwardCharTarget(), nullptr);
    EXPECT_EQ(theApp.m_pMainWnd, nullptr);
    const std::string written = ReadFileBytes("contacts.txt");
    EXPECT_EQ(written, Formatted(*Parsed(kContacts)));
    EXPECT_NE(written.find("\r\nBob , (555) 99-1, 7\r\n"), std::string::npos);
    EXPECT_FALSE(FileExists("contacts.txt.new"));
}

// Every way of closing the window saves the contacts.
class ClosingPath : public DialerWindow, public ::testing::WithParamInterface<int> {};

TEST_P(ClosingPath, SavesTheContacts) {
    WriteFileBytes("contacts.txt", kContacts);
    Run([](HWND main) {
        switch (GetParam()) {
            case 0: ClickButton(main, IDOK); break;
            case 1: PostKey(::GetDlgItem(main, IDC_CONTACT_LIST), VK_ESCAPE); break;
            case 2: ::PostMessageA(main, WM_SYSCOMMAND, SC_CLOSE, 0); break;  // close box, system menu
            case 3: ::PostMessageA(main, WM_CLOSE, 0, 0); break;
        }
    });
    EXPECT_EQ(ReadFileBytes("contacts.txt"), Formatted(*Parsed(kContacts)));
}

INSTANTIATE_TEST_SUITE_P(ExitEscapeCloseBoxAndClose, ClosingPath, ::testing::Values(0, 1, 2, 3));

// A log-off: the window is told the session ends and is never destroyed.
TEST_F(DialerWindow, TheEndOfTheSessionSavesTheContactsWithoutAWord) {
    WriteFileBytes("contacts.txt", kContacts);
    ::CreateDirectoryA("contacts.txt.new", nullptr);  // saved in place, then
    const DWORD ui = ::GetCurrentThreadId();
    Run([&](HWND main) {
        EXPECT_EQ(::SendMessageA(main, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), TRUE);
        ::SendMessageA(main, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
        EXPECT_EQ(ReadFileBytes("contacts.txt"), Formatted(*Parsed(kContacts)));
        ::RemoveDirectoryA("contacts.txt.new");
        ::DeleteFileA("contacts.txt");
        ::CreateDirectoryA("contacts.txt", nullptr);                   // now nothing can be saved
        ::SendMessageA(main, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);  // would block on a box
        EXPECT_TRUE(NoWindow(ui, "ERROR"));
        ::RemoveDirectoryA("contacts.txt");
        ClickButton(main, IDOK);
    });
}

TEST_F(DialerWindow, WithoutAFileSaysSoAndWritesANewOneAtExit) {
    Run([](HWND main) { PostKey(::GetDlgItem(main, IDC_CONTACT_LIST), VK_ESCAPE); }, "INFO");
    EXPECT_EQ(firstMessage_, "Can not open contacts.txt!\nNew will be created...");
    const std::string written = ReadFileBytes("contacts.txt");
    EXPECT_EQ(written, Formatted(ContactTable()));
    EXPECT_EQ(written.substr(written.size() - 16), "[PhoneNumbers]\r\n");
}

TEST_F(DialerWindow, CharactersTypedAnywhereInTheWindowReachItsCharacterHandler) {
    WriteFileBytes("contacts.txt", kContacts);
    Run([&](HWND main) {
        HWND list = ::GetDlgItem(main, IDC_CONTACT_LIST);
        for (char c : std::string("555")) PostChar(list, c);
        for (char c : std::string("12")) PostChar(::GetDlgItem(main, IDOK), c);
        PostChar(::GetDlgItem(main, IDC_DIGIT_3), '3');
        PostChar(main, '4');
        EXPECT_TRUE(WaitUntil([&] { return std::string(Dialog().Entry().Number()) == "5551234"; }))
            << Dialog().Entry().Number();
        ClickButton(main, IDOK);
    });
}

TEST_F(DialerWindow, EscapeFirstClearsTheNumberThenCloses) {
    WriteFileBytes("contacts.txt", kContacts);
    bool openAfterFirstEscape = false;
    Run([&](HWND main) {
        HWND list = ::GetDlgItem(main, IDC_CONTACT_LIST);
        PostChar(list, '4');
        PostChar(list, '2');
        ASSERT_TRUE(WaitUntil([&] { return std::string(Dialog().Entry().Number()) == "42"; }));
        PostKey(list, VK_ESCAPE);
        ASSERT_TRUE(WaitUntil([&] { return Dialog().Entry().Number()[0] == '\0'; }));
        ::Sleep(200);  // were the window closing, it would be gone by now
        openAfterFirstEscape = ::IsWindowVisible(main) != FALSE;
        PostKey(list, VK_ESCAPE);
    });
    EXPECT_TRUE(openAfterFirstEscape);
    EXPECT_EQ(ReadFileBytes("contacts.txt"), Formatted(*Parsed(kContacts)));
}

// Records the commands the main window's thread delivers.
struct CommandLog {
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
        const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (code == HC_ACTION && sent->message == WM_COMMAND && HIWORD(sent->wParam) == BN_CLICKED) {
            last = LOWORD(sent->wParam);
            ++count;
        }
        return ::CallNextHookEx(nullptr, code, wParam, lParam);
    }
    static volatile LONG last;
    static volatile LONG count;
};
volatile LONG CommandLog::last = 0;
volatile LONG CommandLog::count = 0;

TEST_F(DialerWindow, EnterPressesTheHiddenDefaultButtonUnlessAPushButtonHasTheFocus) {
    WriteFileBytes("contacts.txt", kContacts);
    const DWORD ui = ::GetCurrentThreadId();
    HHOOK hook = ::SetWindowsHookExA(WH_CALLWNDPROC, CommandLog::Hook, nullptr, ::GetCurrentThreadId());
    ASSERT_NE(hook, nullptr);
    bool openAfterEnter = false;
    Run([&](HWND main) {
        HWND list = ::GetDlgItem(main, IDC_CONTACT_LIST);
        for (HWND focus : {list, ::GetDlgItem(main, IDC_DIGIT_5)}) {
            ::SendMessageA(main, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(focus), TRUE);
            CommandLog::last = 0;
            PostKey(focus, VK_RETURN);
            EXPECT_TRUE(WaitUntil([] { return CommandLog::last == IDC_ENTER; })) << CommandLog::last;
            // It dials: the empty number is unknown.
            HWND unknown = WaitForWindow(ui, "Hey...");
            ASSERT_NE(unknown, nullptr);
            ClickButton(unknown, IDCANCEL);
            ASSERT_TRUE(WaitUntil([&] { return NoWindow(ui, "Hey..."); }));
        }
        openAfterEnter = ::IsWindowVisible(main) != FALSE;
        EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(main, IDC_ENTER)));
        // With Exit focused, Enter presses Exit.
        HWND exitButton = ::GetDlgItem(main, IDOK);
        ::SendMessageA(main, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(exitButton), TRUE);
        PostKey(exitButton, VK_RETURN);
    });
    ::UnhookWindowsHookEx(hook);
    EXPECT_TRUE(openAfterEnter);
    EXPECT_EQ(CommandLog::last, IDOK);
}

TEST_F(DialerWindow, EndButtonIsNeverShown) {
    WriteFileBytes("contacts.txt", kContacts);
    Run([&](HWND main) {
        HWND end = ::GetDlgItem(main, IDC_END);
        ASSERT_NE(end, nullptr);
        EXPECT_FALSE(::IsWindowVisible(end));
        PostChar(main, '1');
        PostKey(::GetDlgItem(main, IDC_CONTACT_LIST), VK_TAB);
        ASSERT_TRUE(WaitUntil([&] { return Dialog().Entry().Number()[0] == '1'; }));
        EXPECT_FALSE(::IsWindowVisible(end));
        ClickButton(main, IDOK);
    });
}

TEST_F(DialerWindow, AFailedSaveSaysSoAndKeepsTheOldFile) {
    WriteFileBytes("contacts.txt", kContacts);
    ::CreateDirectoryA("contacts.txt.new", nullptr);  // the new file cannot be made
    const DWORD ui = ::GetCurrentThreadId();
    std::string message;
    Run([&](HWND main) {
        ClickButton(main, IDOK);
        HWND box = WaitForWindow(ui, "ERROR");
        ASSERT_NE(box, nullptr);
        message = MessageBoxText(box);
        EXPECT_EQ(::GetWindow(box, GW_OWNER), main);
        ClickButton(box, IDOK);
    });
    EXPECT_EQ(message, "Can not open contacts.txt!");
    EXPECT_EQ(ReadFileBytes("contacts.txt"), kContacts);
}

TEST_F(DialerWindow, ClientAreaHasTheClassicDialogMetrics) {
    WriteFileBytes("contacts.txt", kContacts);
    RECT client{};
    Run([&](HWND main) {
        ::GetClientRect(main, &client);
        ClickButton(main, IDOK);
    });
    EXPECT_EQ(client.right, 401);
    EXPECT_EQ(client.bottom, 372);
}

TEST_F(DialerWindow, BitmapButtonsTakeTheSizeOfTheirUpPicture) {
    WriteFileBytes("contacts.txt", kContacts);
    const struct {
        int id;
        int width;
        int height;
    } buttons[] = {{IDC_DIAL, 93, 36},    {IDC_CLEAR, 26, 38}, {IDC_DIGIT_1, 38, 38}, {IDC_DIGIT_0, 38, 38},
                   {IDC_DIGIT_9, 38, 38}, {IDC_STAR, 38, 38},  {IDC_HASH, 38, 38},    {IDC_CREDITS, 80, 30}};
    Run([&](HWND main) {
        for (const auto& b : buttons) {
            RECT r{};
            ::GetWindowRect(::GetDlgItem(main, b.id), &r);
            EXPECT_EQ(r.right - r.left, b.width) << b.id;
            EXPECT_EQ(r.bottom - r.top, b.height) << b.id;
        }
        ClickButton(main, IDOK);
    });
}

TEST_F(DialerWindow, PaintsTheBackgroundPictureAndEachKeyInItsState) {
    WriteFileBytes("contacts.txt", kContacts);
    const COLORREF screen = PicturePixel("IDB_BACK", 60, 90);
    const COLORREF body = PicturePixel("IDB_BACK", 10, 200);
    const COLORREF keyUp = PicturePixel("IDB_D5_U", 19, 5);
    const COLORREF keyFocused = PicturePixel("IDB_D5_F", 19, 5);
    // The pressed face sits a pixel further right and down, so the key's
    // left edge differs from the up picture's.
    const COLORREF keyDown = PicturePixel("IDB_D5_D", 2, 19);
    const COLORREF keyUpEdge = PicturePixel("IDB_D5_U", 2, 19);
    ASSERT_NE(keyUp, keyFocused);
    ASSERT_NE(keyDown, keyUpEdge);
    Run([&](HWND main) {
        EXPECT_TRUE(WaitUntil([&] { return WindowPixel(main, 60, 90) == screen; })) << std::hex << screen;
        EXPECT_EQ(WindowPixel(main, 10, 200), body);
        HWND five = ::GetDlgItem(main, IDC_DIGIT_5);
        ::SendMessageA(main, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(five), TRUE);
        EXPECT_TRUE(WaitUntil([&] { return WindowPixel(five, 19, 5) == keyFocused; }));
        ::SendMessageA(main, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(::GetDlgItem(main, IDC_CONTACT_LIST)),
                       TRUE);
        EXPECT_TRUE(WaitUntil([&] { return WindowPixel(five, 19, 5) == keyUp; }));
        ::SendMessageA(five, BM_SETSTATE, TRUE, 0);  // held down
        EXPECT_TRUE(WaitUntil([&] { return WindowPixel(five, 2, 19) == keyDown; }));
        ::SendMessageA(five, BM_SETSTATE, FALSE, 0);
        EXPECT_TRUE(WaitUntil([&] { return WindowPixel(five, 2, 19) == keyUpEdge; }));
        ClickButton(main, IDOK);
    });
}

TEST_F(DialerWindow, ReactivationLeavesTheFocusWhereItIs) {
    WriteFileBytes("contacts.txt", kContacts);
    const DWORD ui = ::GetCurrentThreadId();
    Run([&](HWND main) {
        HWND five = ::GetDlgItem(main, IDC_DIGIT_5);
        HWND list = ::GetDlgItem(main, IDC_CONTACT_LIST);
        ::SendMessageA(main, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(five), TRUE);
        // The dialog manager's own handling would remember the focus here
        // and bring it back to the key on reactivation.
        ::SendMessageA(main, WM_ACTIVATE, WA_INACTIVE, 0);
        ::SendMessageA(main, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(list), TRUE);
        ::SendMessageA(main, WM_ACTIVATE, WA_ACTIVE, 0);
        EXPECT_EQ(FocusOf(ui), list);
        ClickButton(main, IDOK);
    });
}

TEST_F(DialerWindow, CarriesTheApplicationIconAndTheEndButtonsIcon) {
    WriteFileBytes("contacts.txt", kContacts);
    const HMODULE module = ::GetModuleHandleA(nullptr);
    Run([&](HWND main) {
        HICON phone = ::LoadIconA(module, MAKEINTRESOURCEA(IDI_APPLICATION_PHONE));
        ASSERT_NE(phone, nullptr);
        EXPECT_EQ(reinterpret_cast<HICON>(::SendMessageA(main, WM_GETICON, ICON_BIG, 0)), phone);
        EXPECT_EQ(reinterpret_cast<HICON>(::SendMessageA(main, WM_GETICON, ICON_SMALL, 0)), phone);
        EXPECT_EQ(reinterpret_cast<HICON>(::SendMessageA(main, WM_QUERYDRAGICON, 0, 0)), phone);
        HICON end = ::LoadIconA(module, MAKEINTRESOURCEA(IDI_END_CALL));
        EXPECT_EQ(
            reinterpret_cast<HICON>(::SendMessageA(::GetDlgItem(main, IDC_END), BM_GETIMAGE, IMAGE_ICON, 0)),
            end);
        ClickButton(main, IDOK);
    });
}

}  // namespace
