// Numbers and address books from outside the window, on the real window: the
// command line, a later start's handover, and files dropped on it.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "DialerWindow.h"
// After windows.h: the drop's layout.
#include <shlobj.h>

#include "handover/FolderInstance.h"
#include "res/resource.h"
#include "tests/common/FileBytes.h"

namespace {

// A drop of these files, as the shell hands it over (ANSI paths).
HDROP MakeDrop(const std::vector<std::string>& paths) {
    std::string list;
    for (const std::string& path : paths) list += path + '\0';
    list += '\0';
    HGLOBAL memory = ::GlobalAlloc(GHND, sizeof(DROPFILES) + list.size());
    auto* files = static_cast<DROPFILES*>(::GlobalLock(memory));
    files->pFiles = sizeof(DROPFILES);
    std::memcpy(reinterpret_cast<char*>(files + 1), list.data(), list.size());
    ::GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}

std::string FullPath(const char* name) {
    char full[MAX_PATH];
    ::GetFullPathNameA(name, sizeof full, full, nullptr);
    return full;
}

// The command line's tel: link waits on the display, not dialled; a later
// start's address book waits for the About box to close and is saved before
// its summary shows; what is neither gets an ERROR box naming it; a drop
// imports its address books with one summary.
TEST_F(DialerWindow, NumbersAndAddressBooksFromOutsideWaitForTheWindowAndAreSavedAtOnce) {
    WriteFileBytes("contacts.txt", "[PhoneNumbers]\r\nAnn, 555 1234, 2\r\n");
    WriteFileBytes("book.vcf",
                   "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Zoe Lee\r\nTEL;TYPE=cell:+1 201 555 0111\r\n"
                   "TEL;TYPE=home:555-1234\r\nEND:VCARD\r\n");
    WriteFileBytes("people.csv", "Name,Mobile Phone\r\nMax Roe,0170 1234567\r\n");
    WriteFileBytes("notes.txt", "no address book");
    char link[] = "tel:+1-201-555-0123";
    char* arguments[] = {link};
    theApp.m_argc = 1;
    theApp.m_argv = arguments;
    Run([&](HWND main) {
        EXPECT_TRUE(NumberIs("+1-201-555-0123"));
        EXPECT_TRUE(WaitUntil([&] { return FocusOf(ui) == ::GetDlgItem(main, IDC_DIAL); }));
        EXPECT_TRUE(Dialog().Entry().ReplaceOnNextKey());
        EXPECT_EQ(Dialog().Contacts().slots[0].calls, 2);  // not dialled

        ClickButton(main, IDC_CREDITS);
        HWND about = WaitForWindow(ui, "Tollwick v1.3 (29. Nov.1998.)");
        ASSERT_NE(about, nullptr);
        FolderInstance later;
        EXPECT_FALSE(later.Claim());
        auto handed = std::make_unique<HandoverArguments>();
        handed->Add(FullPath("book.vcf").c_str());
        EXPECT_TRUE(later.HandOver(*handed));
        ::Sleep(300);
        EXPECT_EQ(Dialog().Contacts().count, 1);         // not while the About box is open
        ::PostMessageA(about, WM_COMMAND, IDCANCEL, 0);  // it has no buttons
        HWND summary = WaitForWindow(ui, "INFO");
        EXPECT_NE(ReadFileBytes("contacts.txt").find("Zoe Lee (cell), +1 201 555 0111, 0\r\n"),
                  std::string::npos);
        EXPECT_EQ(Answer(ui, "INFO"), "1 contact added.\n1 was already in the list.");
        handed->Clear();
        handed->Add("hello");
        EXPECT_TRUE(later.HandOver(*handed));
        EXPECT_EQ(
            Answer(ui, "ERROR"),
            "Tollwick can not use \"hello\":\nit is neither a phone number nor a .vcf or .csv address book.");

        // A path too long to hold whole is left out, not cut short.
        const std::string tooLong = "C:\\" + std::string(2 * MAX_PATH, 'x') + ".vcf";
        ::PostMessageA(
            main, WM_DROPFILES,
            reinterpret_cast<WPARAM>(MakeDrop({FullPath("people.csv"), tooLong, FullPath("notes.txt")})), 0);
        EXPECT_EQ(Answer(ui, "INFO", summary),
                  "1 contact added.\nNot an address book: notes.txt\n"
                  "1 more file was left out: too many at once, or a path too long.");
        EXPECT_EQ(Dialog().Contacts().count, 3);
        ClickButton(main, IDOK);
    });
    theApp.m_argc = 0;
    theApp.m_argv = nullptr;
    const std::string saved = ReadFileBytes("contacts.txt");
    EXPECT_NE(
        saved.find("Ann, 555 1234, 2\r\nZoe Lee (cell), +1 201 555 0111, 0\r\nMax Roe, 0170 1234567, 0\r\n"),
        std::string::npos)
        << saved;
}

// A start takes 32 arguments; the rest are refused with a word.
TEST_F(DialerWindow, ArgumentsPastThirtyTwoAreLeftOutWithAWord) {
    WriteFileBytes("contacts.txt", "[PhoneNumbers]\r\n");
    std::vector<std::string> texts(34, "555 0100");
    std::vector<char*> arguments;
    for (std::string& text : texts) arguments.push_back(text.data());
    theApp.m_argc = static_cast<int>(arguments.size());
    theApp.m_argv = arguments.data();
    Run(
        [&](HWND main) {
            EXPECT_TRUE(NumberIs("555 0100"));
            ClickButton(main, IDOK);
        },
        "INFO");
    theApp.m_argc = 0;
    theApp.m_argv = nullptr;
    EXPECT_EQ(firstMessage_, "Tollwick takes at most 32 numbers and address books at once:\n2 more were left out.");
}

}  // namespace
