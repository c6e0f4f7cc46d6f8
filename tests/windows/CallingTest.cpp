// Dialling from the real main window, with the stand-in TAPI32.DLL beside
// the tests: what is requested, what is counted and saved, what is reported.
#include <gtest/gtest.h>

#include <string>

#include "DialerWindow.h"
#include "res/resource.h"
#include "tests/common/FileBytes.h"

namespace {

class Calling : public DialerWindow {
protected:
    void SetUp() override {
        DialerWindow::SetUp();
        ::SetEnvironmentVariableA("TOLLWICK_TAPI_LOG", (scratch_.Path() + "\\requests.txt").c_str());
        ::SetEnvironmentVariableA("TOLLWICK_TAPI_RESULT", "0");
    }
    // The requests the stand-in received, one line each.
    std::string Requests() { return FileExists("requests.txt") ? ReadFileBytes("requests.txt") : ""; }
    void Type(HWND main, const std::string& keys) {
        for (char c : keys) PostChar(::GetDlgItem(main, IDC_CONTACT_LIST), c);
        ASSERT_TRUE(WaitUntil([&] { return std::string(Dialog().Entry().Number()).size() >= 1; }));
    }
};

TEST_F(Calling, AKnownContactIsCountedAndRequestedInItsTypedForm) {
    WriteFileBytes("contacts.txt", "[PhoneNumbers]\nAnn, 555-123-4567, 2\nAnnex, 5551234567, 9\n");
    const DWORD ui = ::GetCurrentThreadId();
    Run([&](HWND main) {
        Type(main, "(555) 123-4567");
        ASSERT_TRUE(WaitUntil([&] { return std::string(Dialog().Entry().Number()) == "(555)123-4567"; }));
        // A double-click on Dial dials once: its double-click does nothing.
        HWND dial = ::GetDlgItem(main, IDC_DIAL);
        for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP})
            ::PostMessageA(dial, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(5, 5));
        ASSERT_TRUE(WaitUntil([&] { return Dialog().Contacts().slots[0].calls == 3; }));
        EXPECT_TRUE(Dialog().Entry().ReplaceOnNextKey());
        PostChar(main, '7');
        EXPECT_TRUE(WaitUntil([&] { return std::string(Dialog().Entry().Number()) == "7"; }));
        for (char c : std::string("\b5551234567")) PostChar(main, c);
        ASSERT_TRUE(WaitUntil([&] { return std::string(Dialog().Entry().Number()) == "5551234567"; }));
        // A failed request is reported; Enter dials too.
        ::SetEnvironmentVariableA("TOLLWICK_TAPI_RESULT", "-2");
        PostKey(::GetDlgItem(main, IDC_CONTACT_LIST), VK_RETURN);
        HWND box = WaitForWindow(ui, "HEY!");
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(MessageBoxText(box).substr(0, 27), "Please go to Phone Dialer (");
        ClickButton(box, IDOK);
        ClickButton(main, IDOK);
    });
    EXPECT_EQ(Requests(),
              "(555)123-4567\tTollwick!\tAnn\tNo comment...\n"
              "5551234567\tTollwick!\tAnn\tNo comment...\n");
}

TEST_F(Calling, AnUnknownNumberSavedFromTheDialogIsStoredWithOneCall) {
    WriteFileBytes("contacts.txt", "[PhoneNumbers]\nAnn, 555 1234, 2\n");
    const DWORD ui = ::GetCurrentThreadId();
    bool mainDisabledUnderDialog = false;
    Run([&](HWND main) {
        Type(main, "777");
        ClickButton(main, IDC_DIAL);
        HWND dialog = WaitForWindow(ui, "Hey...");
        ASSERT_NE(dialog, nullptr);
        mainDisabledUnderDialog = !::IsWindowEnabled(main);
        ::SetDlgItemTextA(dialog, IDC_NAME, "Zed");
        ClickButton(dialog, IDOK);
        ASSERT_TRUE(WaitUntil([&] { return Dialog().Contacts().count == 2; }));
        EXPECT_TRUE(WaitUntil([&] { return FocusOf(ui) == ::GetDlgItem(main, IDC_DIAL); }));
        ClickButton(main, IDOK);
    });
    EXPECT_TRUE(mainDisabledUnderDialog);
    EXPECT_EQ(Requests(), "777\tTollwick!\tNoName\tNo comment...\n");
    const std::string saved = ReadFileBytes("contacts.txt");
    EXPECT_NE(saved.find("\r\nAnn, 555 1234, 2\r\nZed, 777, 1\r\n"), std::string::npos) << saved;
}

// Without Assisted Telephony every request says so; this runs in a process
// of its own, where TAPI32.DLL cannot be loaded.
TEST_F(Calling, WithoutTelephonyEveryRequestReportsTapiErr) {
    if (::GetEnvironmentVariableA("TOLLWICK_NO_TAPI", nullptr, 0) == 0)
        GTEST_SKIP() << "needs TAPI32 disabled";
    WriteFileBytes("contacts.txt", "[PhoneNumbers]\nAnn, 555 1234, 2\n");
    const DWORD ui = ::GetCurrentThreadId();
    Run([&](HWND main) {
        Type(main, "5551234");
        for (int request = 0; request < 2; ++request) {
            ClickButton(main, IDC_DIAL);
            HWND box = WaitForWindow(ui, "HEY!");
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(MessageBoxText(box), "TAPIERR");
            ClickButton(box, IDOK);
            ASSERT_TRUE(WaitUntil([&] { return NoWindow(ui, "HEY!"); }));
        }
        EXPECT_EQ(Dialog().Contacts().slots[0].calls, 4);
        ClickButton(main, IDOK);
    });
}

}  // namespace
