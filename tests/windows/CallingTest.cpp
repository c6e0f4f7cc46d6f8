// Dialling from the real main window, with the stand-in TAPI32.DLL beside the tests:
// what is requested, counted, saved and reported, and what the unknown-number dialog does.
#include <gtest/gtest.h>

#include <string>

#include "DialerWindow.h"
#include "calling/CallFlow.h"
#include "contacts/FieldRules.h"
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
    void Type(HWND target, const std::string& keys, const std::string& shown) {
        for (char c : keys) PostChar(target, c);
        EXPECT_TRUE(WaitUntil([&] { return Dialog().Entry().Number() == shown; })) << shown;
    }
    void Answer(const char* caption, const char* text) {
        HWND box = WaitForWindow(ui_, caption);
        EXPECT_EQ(MessageBoxText(box), text);
        ClickButton(box, IDOK);
        ASSERT_TRUE(WaitUntil([&] { return NoWindow(ui_, caption); }));
    }
    // Dial on an unknown number: the dialog is owned by the main window, disabled meanwhile.
    HWND Ask(HWND main) {
        ClickButton(main, IDC_DIAL);
        HWND dialog = WaitForWindow(ui_, "Hey...");
        EXPECT_EQ(::GetWindow(dialog, GW_OWNER), main);
        EXPECT_FALSE(::IsWindowEnabled(main));
        return dialog;
    }
    // "Save it!" refused with a box; the focus comes back to the field at fault.
    void Refused(HWND dialog, const char* name, const char* number, const char* caption, const char* text,
                 int field) {
        ::SetDlgItemTextA(dialog, IDC_NAME, name);
        ::SetDlgItemTextA(dialog, IDC_NUMBER, number);
        ClickButton(dialog, IDOK);
        Answer(caption, text);
        EXPECT_TRUE(FocusReturnsTo(ui_, dialog, ::GetDlgItem(dialog, field))) << name << number;
    }
    const DWORD ui_ = ::GetCurrentThreadId();
};

TEST_F(Calling, KnownNumbersAreCountedUnknownOnesGoThroughTheDialog) {
    std::string contacts = "[PhoneNumbers]\nAnn, 555-123-4567, 2\nAnnex, 5551234567, 9\n";
    for (int n = 3; n < kMaxContacts; ++n) contacts += "C, 1" + std::to_string(n) + ", 0\n";
    WriteFileBytes("contacts.txt", contacts);
    Run([&](HWND main) {
        HWND list = ::GetDlgItem(main, IDC_CONTACT_LIST);
        Type(list, "(555) 123-4567", "(555)123-4567");
        // A double-click on Dial dials once; of two contacts with these digits the first counts.
        HWND dial = ::GetDlgItem(main, IDC_DIAL);
        for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP})
            ::PostMessageA(dial, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(5, 5));
        ASSERT_TRUE(WaitUntil([&] { return Dialog().Contacts().slots[0].calls == 3; }));
        Type(main, "5551234567", "5551234567");  // the first key starts a new number
        // A failed request is reported; Enter dials too.
        ::SetEnvironmentVariableA("TOLLWICK_TAPI_RESULT", "-2");
        PostKey(list, VK_RETURN);
        Answer("HEY!", RequestErrorText(-2));
        ::SetEnvironmentVariableA("TOLLWICK_TAPI_RESULT", "0");
        // "Save it!" refuses what the file cannot keep; Enter is "Just Dial": the opening number, unsaved.
        Type(list, "777", "777");
        HWND dialog = Ask(main);
        HWND name = ::GetDlgItem(dialog, IDC_NAME);
        EXPECT_TRUE(WaitUntil([&] { return FocusOf(ui_) == name; }));
        EXPECT_EQ(::SendMessageA(name, EM_GETLIMITTEXT, 0, 0), kNameFieldLimit);
        EXPECT_EQ(::SendDlgItemMessageA(dialog, IDC_NUMBER, EM_GETLIMITTEXT, 0, 0), kNumberFieldLimit);
        EXPECT_EQ(DialogItemText(dialog, IDC_NUMBER), "777");
        for (const char* refused : {"Smith, John", "#1", "[x]"})
            Refused(dialog, refused, "777", "HEY!", kFieldProblemMessage, IDC_NAME);
        Refused(dialog, "Zed", "1,2", "HEY!", kFieldProblemMessage, IDC_NUMBER);
        PostKey(name, VK_RETURN);
        EXPECT_TRUE(WaitUntil([&] { return FocusOf(ui_) == dial; }));
        // Dialled again: Escape cancels, storing nothing; "Save it!" stores the
        // number as edited, with one call, which fills the table.
        PostKey(::GetDlgItem(Ask(main), IDC_NAME), VK_ESCAPE);
        EXPECT_TRUE(WaitUntil([&] { return FocusOf(ui_) == dial; }));
        dialog = Ask(main);
        ::SetDlgItemTextA(dialog, IDC_NAME, "Zed");
        ::SetDlgItemTextA(dialog, IDC_NUMBER, "889");
        ClickButton(dialog, IDOK);
        // With a full table "Save it!" is refused.
        Type(list, "444", "444");
        dialog = Ask(main);
        Refused(dialog, "Ann", "4", "INFO", kContactListFullMessage, IDC_NAME);
        PostKey(::GetDlgItem(dialog, IDC_NAME), VK_ESCAPE);
        EXPECT_TRUE(WaitUntil([&] { return NoWindow(ui_, "Hey..."); }));
        ClickButton(main, IDOK);
    });
    EXPECT_EQ(ReadFileBytes("requests.txt"),
              "(555)123-4567\tTollwick!\tAnn\tNo comment...\n"
              "5551234567\tTollwick!\tAnn\tNo comment...\n"
              "777\tTollwick!\tNoName\tNo comment...\n"
              "889\tTollwick!\tNoName\tNo comment...\n");
    const std::string saved = ReadFileBytes("contacts.txt");
    EXPECT_NE(saved.find("\r\nAnn, 555-123-4567, 4\r\nAnnex, 5551234567, 9\r\n"), std::string::npos);
    EXPECT_NE(saved.find("\r\nZed, 889, 1\r\n"), std::string::npos);
}

// Without Assisted Telephony every request says so (in a process of its own, without TAPI32.DLL).
TEST_F(Calling, WithoutTelephonyEveryRequestReportsTapiErr) {
    if (::GetEnvironmentVariableA("TOLLWICK_NO_TAPI", nullptr, 0) == 0)
        GTEST_SKIP() << "needs TAPI32 disabled";
    WriteFileBytes("contacts.txt", "[PhoneNumbers]\nAnn, 555 1234, 2\n");
    Run([&](HWND main) {
        Type(main, "5551234", "5551234");
        for (int request = 0; request < 2; ++request) {
            ClickButton(main, IDC_DIAL);
            Answer("HEY!", "TAPIERR");
        }
        ClickButton(main, IDOK);
    });
}

}  // namespace
