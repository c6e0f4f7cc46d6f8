// The contacts file changed behind the running window, as a hand edit or a
// sync client changes it: nothing of either side is lost, and the window
// shows the other side's changes when it is activated again.
#include <gtest/gtest.h>

#include <string>

#include "DialerWindow.h"
#include "res/resource.h"
#include "tests/common/FileBytes.h"

namespace {

TEST_F(DialerWindow, ChangesMadeOutsideAreMergedAtEachSaveAndShownOnActivation) {
    WriteFileBytes("contacts.txt", "[PhoneNumbers]\r\nAnn, 555 1234, 2\r\nBob, 777 00, 5\r\n");
    Run([&](HWND main) {
        HWND list = ::GetDlgItem(main, IDC_CONTACT_LIST);
        const auto dial = [&](const char* number) {
            for (const char* c = number; *c != '\0'; ++c) PostChar(list, *c);
            PostKey(list, VK_RETURN);
        };
        dial("5551234");
        ASSERT_TRUE(WaitUntil([&] { return Dialog().Contacts().slots[0].calls == 3; }));
        EXPECT_TRUE(WaitUntil([] {  // saved right after the dial
            return Records(ReadFileBytes("contacts.txt")) ==
                   "[PhoneNumbers]\r\nAnn, 555 1234, 3\r\nBob, 777 00, 5\r\n";
        }));
        // Someone adds a line and gives Bob a new number; this window dials
        // Ann again before it knows.
        WriteFileBytes("contacts.txt",
                       "[PhoneNumbers]\r\nAnn, 555 1234, 3\r\nBob, 777 01, 5\r\nCy, 999, 0\r\n");
        dial("5551234");
        ASSERT_TRUE(WaitUntil([&] { return Dialog().Contacts().count == 3; }));
        EXPECT_EQ(Dialog().Contacts().slots[0].calls, 4);
        // Another edit, seen when the window is activated again.
        WriteFileBytes("contacts.txt",
                       "[PhoneNumbers]\r\nAnn, 555 1234, 4\r\nBob, 777 01, 5\r\nCy, 999 1, 0\r\n");
        ::SendMessageA(main, WM_ACTIVATE, WA_ACTIVE, 0);
        EXPECT_TRUE(WaitUntil([&] { return std::string(Dialog().Contacts().slots[2].number) == "999 1"; }));
        EXPECT_EQ(ListView_GetItemCount(list), 3);
        ClickButton(main, IDOK);
    });
    EXPECT_EQ(Records(ReadFileBytes("contacts.txt")),
              "[PhoneNumbers]\r\nAnn, 555 1234, 4\r\nBob, 777 01, 5\r\nCy, 999 1, 0\r\n");
    EXPECT_FALSE(FileExists("contacts.txt.lock"));
}

}  // namespace
