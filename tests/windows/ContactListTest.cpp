// The contact list and the contact commands on the real main window, driven
// with mouse input on the list and its header.
#include <gtest/gtest.h>

#include <string>

#include "DialerWindow.h"
#include "res/resource.h"
#include "tests/common/ContactsText.h"
#include "tests/common/FileBytes.h"

namespace {

std::string RowText(HWND list, int item, int column = 0) {
    char text[300] = "";
    LVITEMA row{};
    row.iSubItem = column;
    row.pszText = text;
    row.cchTextMax = sizeof text;
    ::SendMessageA(list, LVM_GETITEMTEXTA, item, reinterpret_cast<LPARAM>(&row));
    return text;
}

int Rows(HWND list) {
    return static_cast<int>(::SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
}

// A click as the mouse makes it, at a window's client point.
void ClickAt(HWND window, int x, int y, bool twice = false) {
    const LPARAM at = MAKELPARAM(x, y);
    ::PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
    ::PostMessageA(window, WM_LBUTTONUP, 0, at);
    if (!twice) return;
    ::PostMessageA(window, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    ::PostMessageA(window, WM_LBUTTONUP, 0, at);
}

void ClickRow(HWND list, int item, bool twice = false) {
    ::SendMessageA(list, LVM_ENSUREVISIBLE, item, FALSE);
    RECT r{};
    r.left = LVIR_LABEL;
    ::SendMessageA(list, LVM_GETITEMRECT, item, reinterpret_cast<LPARAM>(&r));
    ClickAt(list, r.left + 5, (r.top + r.bottom) / 2, twice);
}

void ClickHeading(HWND list, int column) {
    HWND header = reinterpret_cast<HWND>(::SendMessageA(list, LVM_GETHEADER, 0, 0));
    RECT r{};
    ::SendMessageA(header, HDM_GETITEMRECT, column, reinterpret_cast<LPARAM>(&r));
    ClickAt(header, (r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

// 25 contacts: "c00" (slot 0) to "c24", c<i> called i times, numbers 100+i;
// slot 25 has the digits of slot 3.
std::string TwentySixContacts() {
    std::string text = "[PhoneNumbers]\n";
    for (int i = 0; i < 25; ++i) {
        text += "c" + std::string(i < 10 ? "0" : "") + std::to_string(i) + ", " + std::to_string(100 + i) +
                ", " + std::to_string(i) + "\n";
    }
    return text + "Copy, 1-03, 50\n";
}

class ContactList : public DialerWindow {
protected:
    void SetUp() override {
        playedSounds_ = 0;
        DialerPlatform platform = TestPlatform();
        platform.playSound = [](int) { ++playedSounds_; };
        theApp.SetPlatform(platform);
        ::SetEnvironmentVariableA("TOLLWICK_TAPI_LOG", (scratch_.Path() + "\\requests.txt").c_str());
        ::SetEnvironmentVariableA("TOLLWICK_TAPI_RESULT", "0");
    }
    static int playedSounds_;
};
int ContactList::playedSounds_ = 0;

TEST_F(ContactList, HeadingsOrderTheRowsAndClicksLoadOrDialTheirContact) {
    WriteFileBytes("contacts.txt", TwentySixContacts());
    Run([&](HWND main) {
        HWND list = ::GetDlgItem(main, IDC_CONTACT_LIST);
        ASSERT_EQ(Rows(list), 26);
        EXPECT_EQ(RowText(list, 0), "A - Copy");
        EXPECT_EQ(RowText(list, 19), "T - c06");
        EXPECT_EQ(RowText(list, 20), "c05");
        EXPECT_EQ(RowText(list, 1, 1) + "|" + RowText(list, 1, 2), "124|24");
        // Each heading: ascending first, descending on a second click.
        const struct {
            int column;
            const char* first;
            const char* second;
        } headings[] = {{0, "A - c00", "A - Copy"}, {1, "A - Copy", "A - c24"}, {2, "A - c00", "A - Copy"}};
        for (const auto& h : headings) {
            ClickHeading(list, h.column);
            EXPECT_TRUE(WaitUntil([&] { return RowText(list, 0) == h.first; }))
                << h.column << RowText(list, 0);
            ClickHeading(list, h.column);
            EXPECT_TRUE(WaitUntil([&] { return RowText(list, 0) == h.second; }))
                << h.column << RowText(list, 0);
        }
        // A click loads the row's number without a sound; the next key replaces it.
        const int sounds = playedSounds_;
        ClickRow(list, 2);  // c23
        ASSERT_TRUE(WaitUntil([&] { return std::string(Dialog().Entry().Number()) == "123"; }));
        EXPECT_EQ(playedSounds_, sounds);
        PostChar(list, '9');
        EXPECT_TRUE(WaitUntil([&] { return std::string(Dialog().Entry().Number()) == "9"; }));
        // A click below the rows changes nothing.
        ClickAt(list, 20, 320);
        ::Sleep(200);
        EXPECT_STREQ(Dialog().Entry().Number(), "9");
        // A double-click dials; of two contacts with the same digits, the
        // lower slot is counted.
        ClickHeading(list, 0);  // Copy last
        ASSERT_TRUE(WaitUntil([&] { return RowText(list, 25) == "Copy"; }));
        ClickRow(list, 25, true);
        EXPECT_TRUE(WaitUntil([&] { return Dialog().Contacts().slots[3].calls == 4; }));
        EXPECT_EQ(Dialog().Contacts().slots[25].calls, 50);
        ClickButton(main, IDOK);
    });
    EXPECT_EQ(ReadFileBytes("requests.txt"), "1-03\tTollwick!\tc03\tNo comment...\n");
}

TEST_F(ContactList, NewEditAndDeleteKeepTheTableAndTheListInStep) {
    WriteFileBytes("contacts.txt", "[PhoneNumbers]\nAnn, 555 1234, 3\nBob, 777, 2\nCid, 888, 1\n");
    const DWORD ui = ::GetCurrentThreadId();
    Run([&](HWND main) {
        HWND list = ::GetDlgItem(main, IDC_CONTACT_LIST);
        HWND dial = ::GetDlgItem(main, IDC_DIAL);
        // Edit and Delete with nothing selected only move the focus.
        for (int command : {IDC_EDIT, IDC_DELETE}) {
            ::SendMessageA(main, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(list), TRUE);
            ClickButton(main, command);
            EXPECT_TRUE(WaitUntil([&] { return FocusOf(ui) == dial; })) << command;
        }
        // New with the digits of a stored contact opens with an empty number.
        for (char c : std::string("555-1234")) PostChar(list, c);
        ClickButton(main, IDC_NEW);
        HWND dialog = WaitForWindow(ui, "Update contact");
        ASSERT_NE(dialog, nullptr);
        char number[64] = "?";
        ::GetDlgItemTextA(dialog, IDC_NUMBER, number, sizeof number);
        EXPECT_STREQ(number, "");
        ClickButton(dialog, IDCANCEL);
        ASSERT_TRUE(WaitUntil([&] { return FocusOf(ui) == dial; }));
        EXPECT_EQ(Dialog().Contacts().count, 3);
        // New, OK: stored and listed at its place.
        ClickButton(main, IDC_NEW);
        dialog = WaitForWindow(ui, "Update contact");
        ASSERT_NE(dialog, nullptr);
        ::SetDlgItemTextA(dialog, IDC_NAME, "Dee");
        ::SetDlgItemTextA(dialog, IDC_NUMBER, "999");
        ::SetDlgItemTextA(dialog, IDC_CALLS, "5");
        ClickButton(dialog, IDOK);
        ASSERT_TRUE(WaitUntil([&] { return Rows(list) == 4; }));
        EXPECT_EQ(RowText(list, 0), "A - Dee");
        // Edit emptying Bob's number: his row goes, the table keeps him.
        ClickRow(list, 2);
        ASSERT_TRUE(WaitUntil([&] { return std::string(Dialog().Entry().Number()) == "777"; }));
        ClickButton(main, IDC_EDIT);
        dialog = WaitForWindow(ui, "Update contact");
        ASSERT_NE(dialog, nullptr);
        ::SetDlgItemTextA(dialog, IDC_NUMBER, "");
        ClickButton(dialog, IDOK);
        ASSERT_TRUE(WaitUntil([&] { return Rows(list) == 3; }));
        EXPECT_EQ(Dialog().Contacts().count, 4);
        EXPECT_EQ(RowText(list, 2), "D - Cid");  // the letters follow the positions
        // Delete Cid, the row after Bob's empty position: Cid goes, Bob
        // with him at the compaction, and the letters close up.
        ClickRow(list, 2);
        ASSERT_TRUE(WaitUntil([&] { return std::string(Dialog().Entry().Number()) == "888"; }));
        ClickButton(main, IDC_DELETE);
        ASSERT_TRUE(WaitUntil([&] { return Rows(list) == 2; }));
        EXPECT_EQ(Dialog().Contacts().count, 2);
        EXPECT_EQ(RowText(list, 0) + "|" + RowText(list, 1), "A - Dee|B - Ann");
        ClickButton(main, IDOK);
    });
    const std::string saved = ReadFileBytes("contacts.txt");
    EXPECT_NE(saved.find("[PhoneNumbers]\r\nAnn, 555 1234, 3\r\nDee, 999, 5\r\n"), std::string::npos)
        << saved;
}

TEST_F(ContactList, NewWithAFullTableSaysSoAndOpensNoDialog) {
    std::string text = "[PhoneNumbers]\n";
    for (int i = 0; i < kMaxContacts; ++i)
        text += "n" + std::to_string(i) + ", " + std::to_string(i) + ", 0\n";
    WriteFileBytes("contacts.txt", text);
    const DWORD ui = ::GetCurrentThreadId();
    Run([&](HWND main) {
        ClickButton(main, IDC_NEW);
        HWND box = WaitForWindow(ui, "INFO");
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(MessageBoxText(box),
                  "The contact list is full (500 contacts). Delete a contact to make room.");
        EXPECT_TRUE(NoWindow(ui, "Update contact"));
        ClickButton(box, IDOK);
        EXPECT_TRUE(WaitUntil([&] { return FocusOf(ui) == ::GetDlgItem(main, IDC_DIAL); }));
        ClickButton(main, IDOK);
    });
    EXPECT_EQ(ReadFileBytes("contacts.txt"), Formatted(*Parsed(text)));
}

}  // namespace
