// Default() inside a dialog's handler runs the dialog manager's processing.
#include <gtest/gtest.h>

#include "TestIds.h"
#include "UiDriver.h"
#include "framework/Dialog.h"

namespace {

// Counts WM_CLOSE, then lets the dialog manager turn it into Cancel.
class ClosingDialog : public CDialog {
    DECLARE_MESSAGE_TABLE(ClosingDialog)

public:
    ClosingDialog() : CDialog(IDD_TEST_FIELDS, nullptr) {}
    int closes = 0;
    int cancels = 0;
    void OnCancel() override {
        ++cancels;
        CDialog::OnCancel();
    }
};

// clang-format off
BEGIN_MESSAGE_TABLE(ClosingDialog, CDialog)
    {WM_CLOSE, 0, 0, 0, TOLLWICK_HANDLER(++self->closes; return self->Default();)},
END_MESSAGE_TABLE()
    // clang-format on

    TEST(Default, InADialogRunsTheDialogManagersProcessing) {
    ClosingDialog dialog;
    const DWORD ui = ::GetCurrentThreadId();
    INT_PTR result = 0;
    {
        DriverThread driver([&] {
            HWND window = WaitForWindow(ui, "Fields");
            if (window == nullptr) {
                ADD_FAILURE() << "the dialog did not appear";
                ::PostThreadMessageA(ui, WM_QUIT, 0, 0);
                return;
            }
            ::PostMessageA(window, WM_CLOSE, 0, 0);
            // A plain window's default would destroy it without ending the run.
            if (!WaitUntil([&] { return dialog.cancels == 1; }, 3000))
                ::PostThreadMessageA(ui, WM_QUIT, 0, 0);
        });
        result = dialog.DoModal();
    }
    EXPECT_EQ(dialog.closes, 1);
    EXPECT_EQ(dialog.cancels, 1);
    EXPECT_EQ(result, IDCANCEL);
}

}  // namespace
