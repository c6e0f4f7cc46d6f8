// Default() inside a dialog's handler runs the dialog manager's processing:
// WM_CLOSE becomes Cancel, where a plain window's default would destroy it.
#include <gtest/gtest.h>

#include "TestIds.h"
#include "UiDriver.h"
#include "framework/Dialog.h"

namespace {

class ClosingDialog : public CDialog {
    DECLARE_MESSAGE_TABLE(ClosingDialog)

public:
    ClosingDialog() : CDialog(IDD_TEST_FIELDS, nullptr) {}
    int closes = 0, cancels = 0;
    void OnCancel() override {
        ++cancels;
        CDialog::OnCancel();
    }
};

#define ON_WM_CLOSE_COUNTED()                                                        \
    { WM_CLOSE, 0, 0, 0, TOLLWICK_HANDLER(++self->closes; return self->Default();) } \
    ,
BEGIN_MESSAGE_TABLE(ClosingDialog, CDialog)
ON_WM_CLOSE_COUNTED()
END_MESSAGE_TABLE()

TEST(Default, InADialogRunsTheDialogManagersProcessing) {
    ClosingDialog dialog;
    const DWORD ui = ::GetCurrentThreadId();
    RunDriven(
        "Fields", [&] { return dialog.DoModal(); },
        [&](HWND window) {
            ::PostMessageA(window, WM_CLOSE, 0, 0);
            if (!WaitUntil([&] { return dialog.cancels == 1; }, 3000))
                ::PostThreadMessageA(ui, WM_QUIT, 0, 0);
        });
    EXPECT_EQ(dialog.closes, 1);
    EXPECT_EQ(dialog.cancels, 1);
}

}  // namespace
