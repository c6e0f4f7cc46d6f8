// The contact dialog and the About box on their own, without the main window.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "UiDriver.h"
#include "contacts/FieldRules.h"
#include "res/resource.h"
#include "ui/AboutDlg.h"
#include "ui/ContactDlg.h"

namespace {

std::string FieldText(HWND dialog, int id) {
    char text[512] = "";
    ::GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

// Runs `run` on this thread while `drive` acts on the window with `caption`.
template <typename Run, typename Drive>
INT_PTR RunDriven(const char* caption, Run run, Drive drive) {
    const DWORD ui = ::GetCurrentThreadId();
    DriverThread driver([&] {
        HWND window = WaitForWindow(ui, caption);
        if (window == nullptr) {
            ADD_FAILURE() << caption << " did not appear";
            ::PostThreadMessageA(ui, WM_QUIT, 0, 0);
            return;
        }
        drive(window);
    });
    return run();
}

// Without a window manager, Wine may give the activation to the desktop as a
// message box closes, leaving the thread no focus at all; brought forward
// again, the dialog gets back the focus it last had.
bool FocusReturnsTo(DWORD ui, HWND dialog, HWND field) {
    if (WaitUntil([&] { return FocusOf(ui) == field; }, 2000)) return true;
    if (FocusOf(ui) != nullptr) return false;
    ::SetForegroundWindow(dialog);
    return WaitUntil([&] { return FocusOf(ui) == field; }, 2000);
}

TEST(ContactDlg, RefusesEachBadFieldOnceUntilCorrectedThenStoresAllThree) {
    Contact slot{"Ann", "555-0100", -1};
    CContactDlg dialog;
    const DWORD ui = ::GetCurrentThreadId();
    const struct {
        int field;
        const char* text;
    } refused[] = {{IDC_CALLS, "4294967295"}, {IDC_CALLS, ""},           {IDC_CALLS, "twelve"},
                   {IDC_CALLS, "-3"},         {IDC_CALLS, "1000000000"}, {IDC_NAME, "Smith, Bea"},
                   {IDC_NAME, "#Bea"},        {IDC_NUMBER, "1,2"}};
    const auto fill = [](HWND window, const char* calls) {
        ::SetDlgItemTextA(window, IDC_NAME, "Bea");
        ::SetDlgItemTextA(window, IDC_NUMBER, "1");
        ::SetDlgItemTextA(window, IDC_CALLS, calls);
    };
    const INT_PTR result = RunDriven(
        "Update contact", [&] { return dialog.DoModalOn(slot); },
        [&](HWND window) {
            EXPECT_EQ(FieldText(window, IDC_NAME) + FieldText(window, IDC_NUMBER), "Ann555-0100");
            EXPECT_EQ(FieldText(window, IDC_CALLS), "4294967295");  // the stored -1
            EXPECT_EQ(::SendDlgItemMessageA(window, IDC_NAME, EM_GETLIMITTEXT, 0, 0), 50);
            EXPECT_EQ(::SendDlgItemMessageA(window, IDC_NUMBER, EM_GETLIMITTEXT, 0, 0), 28);
            for (const auto& r : refused) {
                fill(window, "999999999");
                ::SetDlgItemTextA(window, r.field, r.text);
                ClickButton(window, IDOK);
                // The Calls field's message comes from the data exchange, under the dialog's caption.
                const char* caption = r.field == IDC_CALLS ? "Update contact" : "HEY!";
                HWND box = WaitForWindow(ui, caption, window);
                ASSERT_NE(box, nullptr) << r.text;
                if (r.field != IDC_CALLS) {
                    EXPECT_EQ(MessageBoxText(box), kFieldProblemMessage);
                }
                ClickButton(box, IDOK);
                EXPECT_TRUE(FocusReturnsTo(ui, window, ::GetDlgItem(window, r.field))) << r.text;
                EXPECT_EQ(WaitForWindow(ui, caption, window, 300), nullptr) << r.text << ": a second message";
                EXPECT_STREQ(slot.name, "Ann") << r.text;
            }
            fill(window, "999999999");
            ClickButton(window, IDOK);
        });
    EXPECT_EQ(result, IDOK);
    EXPECT_STREQ(slot.name, "Bea");
    EXPECT_STREQ(slot.number, "1");
    EXPECT_EQ(slot.calls, 999999999);
}

TEST(ContactDlg, CancelLeavesTheSlotAndTheAboutBoxClosesWithEscape) {
    Contact slot{"Ann", "555-0100", 4};
    CContactDlg dialog;
    EXPECT_EQ(RunDriven(
                  "Update contact", [&] { return dialog.DoModalOn(slot); },
                  [](HWND window) {
                      ::SetDlgItemTextA(window, IDC_NAME, "Bea");
                      ::SetDlgItemTextA(window, IDC_CALLS, "7");
                      ClickButton(window, IDCANCEL);
                  }),
              IDCANCEL);
    EXPECT_STREQ(slot.name, "Ann");
    EXPECT_EQ(slot.calls, 4);

    CAboutDlg about;
    EXPECT_EQ(RunDriven(
                  "Tollwick v1.3 (29. Nov.1998.)", [&] { return about.DoModal(); },
                  [](HWND window) { PostKey(window, VK_ESCAPE); }),
              IDCANCEL);
}

}  // namespace
