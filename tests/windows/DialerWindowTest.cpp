// The real main window, run by the application's own start-up on this
// thread and driven from a second thread with the messages a user causes:
// keys, clicks on the list and its header, the contact commands.
#include <gtest/gtest.h>

#include <memory>

#include "DialerWindow.h"
#include "dialpad/DisplayLayout.h"
#include "handover/FolderInstance.h"
#include "res/resource.h"
#include "tests/common/ContactsText.h"
#include "tests/common/FileBytes.h"

namespace {

void Focus(HWND main, HWND control) {
    ::SendMessageA(main, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
}

// The name area, or the stretch right of it, shows the background alone.
bool ShowsBackground(HWND main, int x = kNameArea.x, int width = kNameArea.width) {
    const int y = kNameArea.y, height = kNameArea.height;
    return Pixels(main, nullptr, x, y, width, height) == Pixels(nullptr, "IDB_BACK", x, y, width, height);
}

// One run walks what the window shows, the dial pad and how the window routes
// the keyboard, and closes with Enter on a focused Exit.
TEST_F(DialerWindow, ShowsItsFaceTakesTheNumberRoutesTheKeysAndRewritesTheContactsOnExit) {
    const std::string contacts = kContacts + std::string(50, 'W') + ", 777, 1\n";
    WriteFileBytes("contacts.txt", contacts);
    const struct {
        int id;
        int width;
        int height;
    } buttons[] = {{IDC_DIAL, 93, 36},    {IDC_CLEAR, 26, 38}, {IDC_DIGIT_1, 38, 38}, {IDC_DIGIT_0, 38, 38},
                   {IDC_DIGIT_9, 38, 38}, {IDC_STAR, 38, 38},  {IDC_HASH, 38, 38},    {IDC_CREDITS, 80, 30}};
    // The pressed face sits a pixel further right and down, so the key's
    // left edge differs from the up picture's.
    const auto keyUp = Pixels(nullptr, "IDB_D5_U", 19, 5), keyFocused = Pixels(nullptr, "IDB_D5_F", 19, 5);
    const auto keyDown = Pixels(nullptr, "IDB_D5_D", 2, 19), keyUpEdge = Pixels(nullptr, "IDB_D5_U", 2, 19);
    ASSERT_NE(keyUp, keyFocused);
    ASSERT_NE(keyDown, keyUpEdge);
    std::size_t firstKeySound = 0, endOfKeySounds = 0;
    Run([&](HWND main) {
        EXPECT_EQ(forwardTargetWhileOpen_, main);
        RECT client{};
        ::GetClientRect(main, &client);
        EXPECT_EQ(client.right * 1000 + client.bottom, 401372);  // the classic dialog metrics
        for (const auto& b : buttons) {  // bitmap buttons take their up picture's size
            RECT r{};
            ::GetWindowRect(::GetDlgItem(main, b.id), &r);
            EXPECT_EQ((r.right - r.left) * 1000 + r.bottom - r.top, b.width * 1000 + b.height) << b.id;
        }
        HICON phone = ::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_APPLICATION_PHONE));
        ASSERT_NE(phone, nullptr);
        for (LRESULT icon :
             {::SendMessageA(main, WM_GETICON, ICON_BIG, 0), ::SendMessageA(main, WM_GETICON, ICON_SMALL, 0),
              ::SendMessageA(main, WM_QUERYDRAGICON, 0, 0)})
            EXPECT_EQ(reinterpret_cast<HICON>(icon), phone);
        HWND end = ::GetDlgItem(main, IDC_END);
        // A key shows its picture for each state.
        HWND five = ::GetDlgItem(main, IDC_DIGIT_5);
        HWND list = ::GetDlgItem(main, IDC_CONTACT_LIST);
        Focus(main, five);
        EXPECT_TRUE(WaitUntil([&] { return Pixels(five, nullptr, 19, 5) == keyFocused; }));
        // Reactivation leaves the focus where it is: the dialog manager's own
        // handling would bring it back to the key.
        ::SendMessageA(main, WM_ACTIVATE, WA_INACTIVE, 0);
        Focus(main, list);
        ::SendMessageA(main, WM_ACTIVATE, WA_ACTIVE, 0);
        EXPECT_EQ(FocusOf(ui), list);
        EXPECT_TRUE(WaitUntil([&] { return Pixels(five, nullptr, 19, 5) == keyUp; }));
        ::SendMessageA(five, BM_SETSTATE, TRUE, 0);  // held down
        EXPECT_TRUE(WaitUntil([&] { return Pixels(five, nullptr, 2, 19) == keyDown; }));
        ::SendMessageA(five, BM_SETSTATE, FALSE, 0);
        EXPECT_TRUE(WaitUntil([&] { return Pixels(five, nullptr, 2, 19) == keyUpEdge; }));
        // Characters typed at any control reach the character handler; the
        // End button stays hidden however the focus moves; Ann's name shows.
        for (char c : std::string("555")) PostChar(list, c);
        for (char c : std::string("12")) PostChar(::GetDlgItem(main, IDOK), c);
        PostChar(::GetDlgItem(main, IDC_DIGIT_3), '3');
        PostChar(main, '4');
        PostKey(list, VK_TAB);
        EXPECT_TRUE(NumberIs("5551234")) << Dialog().Entry().Number();
        EXPECT_FALSE(::IsWindowVisible(end));
        EXPECT_TRUE(WaitUntil([&] { return !ShowsBackground(main); })) << "Ann's name is drawn";
        // The first Escape only clears the number, and the name goes.
        PostKey(list, VK_ESCAPE);
        ASSERT_TRUE(NumberIs(""));
        EXPECT_TRUE(WaitUntil([&] { return ShowsBackground(main); })) << "the name is gone";
        // A long name stays inside the name area, after a repaint too.
        for (char c : std::string("777")) PostChar(list, c);
        EXPECT_TRUE(WaitUntil([&] { return !ShowsBackground(main); }));
        ::RedrawWindow(main, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        const int right = kNameArea.x + kNameArea.width;
        EXPECT_TRUE(ShowsBackground(main, right, 170 - right));
        ClickButton(main, IDC_CLEAR);
        ASSERT_TRUE(NumberIs(""));
        // The dial pad: the keys' sounds from here on are checked at the end.
        firstKeySound = Sounds().size();
        for (char c : std::string("1-8f")) PostChar(list, c);
        ASSERT_TRUE(NumberIs("1-83"));
        EXPECT_EQ(FocusOf(ui), ::GetDlgItem(main, IDC_DIGIT_3));
        PostKey(::GetDlgItem(main, IDC_DIGIT_3), VK_SPACE);  // does not press the focused key
        ClickButton(main, IDC_STAR);
        ASSERT_TRUE(NumberIs("1-83*"));
        EXPECT_EQ(FocusOf(ui), ::GetDlgItem(main, IDC_STAR));
        // A double-click enters the key twice: once for each click notification.
        for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP})
            ::PostMessageA(five, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(5, 5));
        ASSERT_TRUE(NumberIs("1-83*55"));
        ClickButton(main, IDC_CLEAR);
        ASSERT_TRUE(NumberIs(""));
        // The 29th character asks; No keeps the 28 and still sounds the key.
        for (int i = 0; i < kDialNumberMaxTyped; ++i) PostChar(list, '0');
        ASSERT_TRUE(NumberIs(std::string(kDialNumberMaxTyped, '0')));
        for (int answer : {IDNO, IDYES}) {
            PostChar(list, '1');
            HWND box = WaitForWindow(ui, "HEY!");
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(MessageBoxText(box), "Who do you call? Folks on Jupiter? ;-)\nLet me clear this mess?");
            ClickButton(box, answer);
            ASSERT_TRUE(WaitUntil([&] { return NoWindow(ui, "HEY!"); }));
            EXPECT_EQ(Dialog().Entry().Number(), answer == IDNO ? std::string(kDialNumberMaxTyped, '0') : "");
        }
        endOfKeySounds = Sounds().size();
        // Enter presses the hidden default button, which dials (the empty
        // number is unknown), unless a push button has the focus.
        for (HWND focus : {list, five}) {
            Focus(main, focus);
            PostKey(focus, VK_RETURN);
            HWND unknown = WaitForWindow(ui, "Hey...");
            ASSERT_NE(unknown, nullptr);
            ClickButton(unknown, IDCANCEL);
            ASSERT_TRUE(WaitUntil([&] { return NoWindow(ui, "Hey..."); }));
            EXPECT_STREQ(Dialog().Entry().Number(), "");
        }
        EXPECT_FALSE(::IsWindowVisible(end));
        HWND exitButton = ::GetDlgItem(main, IDOK);
        Focus(main, exitButton);
        PostKey(exitButton, VK_RETURN);
    });
    std::vector<int> expected = {IDW_KEY_1, IDW_KEY_8, IDW_KEY_3, IDW_KEY_STAR,
                                 IDW_KEY_5, IDW_KEY_5, IDW_CLICK};
    expected.insert(expected.end(), kDialNumberMaxTyped, IDW_KEY_0);
    expected.push_back(IDW_KEY_1);
    ASSERT_LE(firstKeySound, endOfKeySounds);
    EXPECT_EQ(std::vector<int>(Sounds().begin() + firstKeySound, Sounds().begin() + endOfKeySounds),
              expected);
    EXPECT_EQ(theApp.ForwardCharTarget(), nullptr);
    EXPECT_EQ(theApp.m_pMainWnd, nullptr);
    EXPECT_EQ(ReadFileBytes("contacts.txt"), Formatted(*Parsed(contacts)));
    EXPECT_FALSE(FileExists("contacts.txt.new"));
}

TEST_F(DialerWindow, WithoutAFileSaysSoAndEscapeOnTheEmptyNumberClosesAndWritesANewOne) {
    Run([](HWND main) { PostKey(::GetDlgItem(main, IDC_CONTACT_LIST), VK_ESCAPE); }, "INFO");
    EXPECT_EQ(firstMessage_, "Can not open contacts.txt!\nNew will be created...");
    const std::string written = ReadFileBytes("contacts.txt");
    EXPECT_EQ(written, Formatted(ContactTable()));
    EXPECT_EQ(written.substr(written.size() - 16), "[PhoneNumbers]\r\n");
}

// A log-off: the window is told the session ends and is never destroyed.
// With the file held open by another program nothing can be saved: quietly
// at the end of the session, with a word from the close box.
// A contacts file that another program holds without sharing is waited for
// a moment and then left as it is for the whole run, close and end of the
// session included; one let go of within a second loads as usual. While a
// window runs on the folder, a later start there hands over to it.
TEST_F(DialerWindow, AHeldFileIsLeftAsItIsAndALaterStartInTheFolderHandsOver) {
    WriteFileBytes("contacts.txt", kContacts);
    const auto hold = [] {
        return ::CreateFileA("contacts.txt", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    };
    HANDLE held = hold();
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    Run(
        [&](HWND main) {
            EXPECT_EQ(Dialog().Contacts().count, 0);
            ::SendMessageA(main, WM_ENDSESSION, TRUE, 0);
            ClickButton(main, IDOK);
        },
        "ERROR");
    EXPECT_EQ(firstMessage_, ContactsFile::kUnreadableMessage);
    ::CloseHandle(held);
    EXPECT_EQ(ReadFileBytes("contacts.txt"), kContacts);
    EXPECT_FALSE(std::filesystem::exists(ContactsFile::kTemporaryFileName));

    firstMessage_.clear();
    held = hold();
    DriverThread release([held] {
        ::Sleep(500);
        ::CloseHandle(held);
    });
    Run([&](HWND main) {
        EXPECT_EQ(Dialog().Contacts().count, 2);
        FolderInstance later;
        EXPECT_FALSE(later.Claim());
        auto arguments = std::make_unique<HandoverArguments>();
        arguments->Add("tel:555-0123");
        EXPECT_TRUE(later.HandOver(*arguments));
        COPYDATASTRUCT unterminated{kHandoverTag, 3, const_cast<char*>("abc")};
        EXPECT_EQ(::SendMessageA(main, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&unterminated)), FALSE);
        ClickButton(main, IDOK);
    });
    EXPECT_EQ(firstMessage_, "");
    FolderInstance next;
    EXPECT_TRUE(next.Claim());  // the window's run has let go of the folder
}

TEST_F(DialerWindow, TheEndOfTheSessionSavesWithoutAWordAndAFailedSaveSaysSoAndKeepsTheOldFile) {
    WriteFileBytes("contacts.txt", kContacts);
    ::CreateDirectoryA("contacts.txt.new", nullptr);  // saved in place
    std::string message;
    Run([&](HWND main) {
        EXPECT_EQ(::SendMessageA(main, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), TRUE);
        ::SendMessageA(main, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
        EXPECT_EQ(ReadFileBytes("contacts.txt"), Formatted(*Parsed(kContacts)));
        HANDLE held = ::CreateFileA("contacts.txt", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(held, INVALID_HANDLE_VALUE);
        ::SendMessageA(main, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);  // would block on a box
        EXPECT_TRUE(NoWindow(ui, "ERROR"));
        ::PostMessageA(main, WM_SYSCOMMAND, SC_CLOSE, 0);  // the close box, the system menu
        HWND box = WaitForWindow(ui, "ERROR");
        ::CloseHandle(held);
        ASSERT_NE(box, nullptr);
        message = MessageBoxText(box);
        EXPECT_EQ(::GetWindow(box, GW_OWNER), main);
        ClickButton(box, IDOK);
    });
    EXPECT_EQ(message, "Can not open contacts.txt!");
    EXPECT_EQ(ReadFileBytes("contacts.txt"), Formatted(*Parsed(kContacts)));
}

// Records which pictures the display asks for and answers as told.
std::string loadCalls;
bool stripInProgram = true;

HANDLE WINAPI RecordingLoader(HINSTANCE instance, LPCSTR name, UINT type, int width, int height, UINT flags) {
    const bool fromFile = (flags & LR_LOADFROMFILE) != 0;
    loadCalls += (fromFile ? "file:" : "program:") + std::string(name) + " ";
    if (!fromFile && std::string(name) == "IDB_BITMAP_NUMBERS" && !stripInProgram) return nullptr;
    // The file stands in for the program's own picture.
    return ::LoadImageA(fromFile ? ::GetModuleHandleA(nullptr) : instance, name, type, width, height,
                        flags & ~LR_LOADFROMFILE);
}

TEST(NumberDisplayImages, TheStripComesFromAFileOnlyWhenTheProgramLacksIt) {
    for (bool inProgram : {true, false}) {
        loadCalls.clear();
        stripInProgram = inProgram;
        NumberDisplay display(RecordingLoader);
        display.LoadImages();
        EXPECT_TRUE(display.HasStrip());
        EXPECT_EQ(loadCalls, std::string("program:IDB_BITMAP_NUMBERS ") +
                                 (inProgram ? "" : "file:IDB_BITMAP_NUMBERS ") + "program:IDB_BACK ");
    }
}

std::string RowText(HWND list, int item, int column = 0) {
    char text[300] = "";
    ListView_GetItemText(list, item, column, text, sizeof text);
    return text;
}

// A click as the mouse makes it at a window's client point; twice, a double-click.
void ClickAt(HWND window, int x, int y, bool twice = false) {
    for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}) {
        if (message == WM_LBUTTONDBLCLK && !twice) return;
        ::PostMessageA(window, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(x, y));
    }
}

void ClickRow(HWND list, int item, bool twice = false) {
    ListView_EnsureVisible(list, item, FALSE);
    RECT r{};
    ListView_GetItemRect(list, item, &r, LVIR_LABEL);
    ClickAt(list, r.left + 5, (r.top + r.bottom) / 2, twice);
}

void ClickHeading(HWND list, int column) {
    HWND header = ListView_GetHeader(list);
    RECT r{};
    Header_GetItemRect(header, column, &r);
    ClickAt(header, (r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

// "c00" (slot 0) to "c24", c<i> called i times, numbers 100+i; slot 25 has
// the digits of slot 3; contacts without a number, not listed, fill the table.
std::string FullTable() {
    std::string text = "[PhoneNumbers]\n";
    for (int i = 0; i < 25; ++i) {
        text += "c" + std::string(i < 10 ? "0" : "") + std::to_string(i) + ", " + std::to_string(100 + i) +
                ", " + std::to_string(i) + "\n";
    }
    text += "Copy, 1-03, 50\n";
    for (int i = 26; i < kMaxContacts; ++i) text += "n" + std::to_string(i) + ",, 0\n";
    return text;
}

TEST_F(DialerWindow, HeadingsOrderTheRowsClicksLoadOrDialAndNewRefusesAFullTable) {
    ::SetEnvironmentVariableA("TOLLWICK_TAPI_LOG", (scratch_.Path() + "\\requests.txt").c_str());
    ::SetEnvironmentVariableA("TOLLWICK_TAPI_RESULT", "0");
    const std::string text = FullTable();
    WriteFileBytes("contacts.txt", text);
    Run([&](HWND main) {
        HWND list = ::GetDlgItem(main, IDC_CONTACT_LIST);
        ASSERT_EQ(ListView_GetItemCount(list), 26);
        EXPECT_EQ(RowText(list, 0), "A - Copy");
        EXPECT_EQ(RowText(list, 1, 1) + "|" + RowText(list, 1, 2), "124|24");
        // Each heading: ascending first, descending on a second click. The
        // contacts without a number take letters where they fall.
        const struct {
            int column;
            const char* first;
            const char* second;
        } headings[] = {{0, "c00", "Copy"}, {1, "Copy", "c24"}, {2, "c00", "Copy"}};
        for (const auto& h : headings) {
            ClickHeading(list, h.column);
            EXPECT_TRUE(WaitUntil([&] { return RowText(list, 0).find(h.first) != std::string::npos; }))
                << h.column;
            ClickHeading(list, h.column);
            EXPECT_TRUE(WaitUntil([&] { return RowText(list, 0).find(h.second) != std::string::npos; }))
                << h.column;
        }
        // A click loads the row's number without a sound; the next key replaces it.
        const std::size_t sounds = Sounds().size();
        ClickRow(list, 2);  // c23
        ASSERT_TRUE(NumberIs("123"));
        EXPECT_EQ(Sounds().size(), sounds);
        PostChar(list, '9');
        EXPECT_TRUE(NumberIs("9"));
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
        // With the table full, New says so and opens no dialog.
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
    EXPECT_EQ(ReadFileBytes("requests.txt"), "1-03\tTollwick!\tc03\tNo comment...\n");
    auto saved = Parsed(text);
    saved->slots[3].calls = 4;
    EXPECT_EQ(ReadFileBytes("contacts.txt"), Formatted(*saved));
}

TEST_F(DialerWindow, NewEditAndDeleteKeepTheTableAndTheListInStep) {
    WriteFileBytes("contacts.txt", "[PhoneNumbers]\nAnn, 555 1234, 3\nBob, 777, 2\nCid, 888, 1\n");
    Run([&](HWND main) {
        HWND list = ::GetDlgItem(main, IDC_CONTACT_LIST);
        HWND dial = ::GetDlgItem(main, IDC_DIAL);
        const auto open = [&](int command) {
            ClickButton(main, command);
            return WaitForWindow(ui, "Update contact");
        };
        // Edit and Delete with nothing selected only move the focus.
        for (int command : {IDC_EDIT, IDC_DELETE}) {
            ::SendMessageA(main, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(list), TRUE);
            ClickButton(main, command);
            EXPECT_TRUE(WaitUntil([&] { return FocusOf(ui) == dial; })) << command;
        }
        // New, Cancel: nothing stored.
        HWND dialog = open(IDC_NEW);
        ASSERT_NE(dialog, nullptr);
        ClickButton(dialog, IDCANCEL);
        ASSERT_TRUE(WaitUntil([&] { return FocusOf(ui) == dial; }));
        // New, OK: stored and listed at its place.
        dialog = open(IDC_NEW);
        ASSERT_NE(dialog, nullptr);
        ::SetDlgItemTextA(dialog, IDC_NAME, "Dee");
        ::SetDlgItemTextA(dialog, IDC_NUMBER, "999");
        ::SetDlgItemTextA(dialog, IDC_CALLS, "5");
        ClickButton(dialog, IDOK);
        ASSERT_TRUE(WaitUntil([&] { return ListView_GetItemCount(list) == 4; }));
        EXPECT_EQ(RowText(list, 0), "A - Dee");
        // Edit emptying Bob's number: his row goes, the table keeps him.
        ClickRow(list, 2);
        ASSERT_TRUE(NumberIs("777"));
        dialog = open(IDC_EDIT);
        ASSERT_NE(dialog, nullptr);
        ::SetDlgItemTextA(dialog, IDC_NUMBER, "");
        ClickButton(dialog, IDOK);
        ASSERT_TRUE(WaitUntil([&] { return ListView_GetItemCount(list) == 3; }));
        EXPECT_EQ(Dialog().Contacts().count, 4);
        EXPECT_EQ(RowText(list, 2), "D - Cid");  // the letters follow the positions
        // Delete Cid, the row after Bob's empty position: Cid goes, Bob
        // with him at the compaction, and the letters close up.
        ClickRow(list, 2);
        ASSERT_TRUE(NumberIs("888"));
        ClickButton(main, IDC_DELETE);
        ASSERT_TRUE(WaitUntil([&] { return ListView_GetItemCount(list) == 2; }));
        EXPECT_EQ(Dialog().Contacts().count, 2);
        EXPECT_EQ(RowText(list, 0) + "|" + RowText(list, 1), "A - Dee|B - Ann");
        ::PostMessageA(main, WM_CLOSE, 0, 0);  // saves as Exit does
    });
    const std::string saved = ReadFileBytes("contacts.txt");
    EXPECT_NE(saved.find("[PhoneNumbers]\r\nAnn, 555 1234, 3\r\nDee, 999, 5\r\n"), std::string::npos)
        << saved;
}

}  // namespace
