// The call history and the export on the real window: every kind of call is
// logged, the history redials and deletes, and both export types import back
// into a fresh folder's window as they were.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "DialerWindow.h"
#include "res/resource.h"
#include "tests/common/FileBytes.h"

namespace {

constexpr char kBook[] =
    "[PhoneNumbers]\r\nAnn Lee, 555 1234, 2\r\nBob \"B\" Cole; Jr, +44 (20) 7946-0018, 7\r\n";

void Dial(HWND main, const std::string& number) {
    HWND list = ::GetDlgItem(main, IDC_CONTACT_LIST);
    for (char c : number) PostChar(list, c);
    PostKey(list, VK_RETURN);
}

// Fills in a file dialog's name field with a full path and presses its OK.
void ChooseFile(DWORD ui, const char* caption, const std::string& path) {
    HWND dialog = WaitForWindow(ui, caption);
    ASSERT_NE(dialog, nullptr) << caption;
    ::SendMessageA(::GetDlgItem(dialog, 1148), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
    ClickButton(dialog, IDOK);
}

std::string HistoryRow(HWND list, int row) {
    std::string text;
    for (int column = 1; column <= 2; ++column) {
        char cell[64] = {};
        ListView_GetItemText(list, row, column, cell, sizeof cell);
        text += std::string(column > 1 ? "|" : "") + cell;
    }
    return text;
}

TEST_F(DialerWindow, LogsEveryCallRedialsFromTheHistoryAndExportsWhatImportsBack) {
    WriteFileBytes("contacts.txt", kBook);
    const std::string folder = scratch_.Path();
    Run([&](HWND main) {
        Dial(main, "5551234");  // stored
        ASSERT_TRUE(WaitUntil([&] { return Dialog().Contacts().slots[0].calls == 3; }));
        Dial(main, "777");  // Just Dial
        HWND unknown = WaitForWindow(ui, "Hey...");
        ASSERT_NE(unknown, nullptr);
        ClickButton(unknown, IDC_JUST_DIAL);
        ASSERT_TRUE(WaitUntil([&] { return NoWindow(ui, "Hey..."); }));
        Dial(main, "888");  // Save it!
        unknown = WaitForWindow(ui, "Hey...");
        ASSERT_NE(unknown, nullptr);
        ::SendMessageA(::GetDlgItem(unknown, IDC_NAME), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Zed"));
        ClickButton(unknown, IDOK);
        ASSERT_TRUE(WaitUntil([&] { return Dialog().Contacts().count == 3; }));

        ::PostMessageA(main, WM_COMMAND, ID_CALL_HISTORY, 0);
        HWND history = WaitForWindow(ui, "Call history");
        ASSERT_NE(history, nullptr);
        HWND rows = ::GetDlgItem(history, IDC_HISTORY_LIST);
        ASSERT_EQ(ListView_GetItemCount(rows), 3);
        EXPECT_EQ(HistoryRow(rows, 0) + " " + HistoryRow(rows, 1) + " " + HistoryRow(rows, 2),
                  "|888 |777 Ann Lee|5551234");  // Save it! sends no name
        ListView_SetItemState(rows, -1, 0, LVIS_SELECTED);
        ListView_SetItemState(rows, 1, LVIS_SELECTED, LVIS_SELECTED);
        ClickButton(history, IDC_HISTORY_DELETE);
        ASSERT_TRUE(WaitUntil([&] { return ListView_GetItemCount(rows) == 2; }));
        ListView_SetItemState(rows, -1, 0, LVIS_SELECTED);
        ListView_SetItemState(rows, 1, LVIS_SELECTED, LVIS_SELECTED);
        ClickButton(history, IDOK);  // dials Ann again
        ASSERT_TRUE(WaitUntil([&] { return Dialog().Contacts().slots[0].calls == 4; }));
        EXPECT_TRUE(NoWindow(ui, "Call history"));

        for (const char* name : {"out.vcf", "out.csv"}) {
            ::PostMessageA(main, WM_COMMAND, ID_EXPORT, 0);
            ChooseFile(ui, "Export contacts", folder + "\\" + name);
            EXPECT_EQ(Answer(ui, "INFO"), "3 contacts written to\n" + folder + "\\" + name);
            ASSERT_TRUE(WaitUntil([&] { return NoWindow(ui, "INFO"); }));
        }
        ClickButton(main, IDOK);
    });
    const std::string calls = ReadFileBytes("calls.txt");
    std::string logged;
    for (std::size_t at = 0; (at = calls.find('\t', at)) != std::string::npos; at = calls.find('\n', at)) {
        logged += calls.substr(at + 1, calls.find('\r', at) - at - 1) + ";";
    }
    EXPECT_EQ(logged, "5551234\tAnn Lee\t;888\t\t;5551234\tAnn Lee\t;") << calls;
    const std::string saved = Records(ReadFileBytes("contacts.txt"));

    // Each export, imported into an empty folder's window, gives the same
    // names, numbers and calls.
    for (const char* name : {"out.vcf", "out.csv"}) {
        const std::filesystem::path fresh = std::filesystem::path(folder) / (std::string("fresh-") + name);
        std::filesystem::create_directory(fresh);
        std::filesystem::current_path(fresh);
        WriteFileBytes("contacts.txt", "[PhoneNumbers]\r\n");
        Run([&](HWND main) {
            ::PostMessageA(main, WM_COMMAND, ID_IMPORT, 0);
            ChooseFile(ui, "Import address book", folder + "\\" + name);
            EXPECT_EQ(Answer(ui, "INFO"), "3 contacts added.");
            ASSERT_TRUE(WaitUntil([&] { return NoWindow(ui, "INFO"); }));
            ClickButton(main, IDOK);
        });
        EXPECT_EQ(Records(ReadFileBytes("contacts.txt")), saved) << name;
        std::filesystem::current_path(folder);
    }
}

}  // namespace
