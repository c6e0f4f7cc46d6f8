// The main window's template, control by control, as the program carries it.
#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

#include "DialogTemplate.h"
#include "res/resource.h"

namespace {

std::string Upper(std::string text) {
    for (char& c : text) c = static_cast<char>(::toupper(static_cast<unsigned char>(c)));
    return text;
}

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr DWORD kBitmapButton = kChild | WS_TABSTOP | BS_OWNERDRAW;
constexpr DWORD kPushButton = kChild | WS_TABSTOP | BS_PUSHBUTTON;

TEST(MainTemplate, FormStyleAndFont) {
    DialogTemplate t;
    ASSERT_TRUE(LoadDialogTemplate(::GetModuleHandleA(nullptr), IDD_DIALER, &t));
    EXPECT_TRUE(t.extended);
    EXPECT_EQ(t.caption, "Tollwick v1.3");
    EXPECT_EQ(t.style, static_cast<DWORD>(WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX |
                                          DS_CENTER | DS_MODALFRAME | DS_SETFONT));
    EXPECT_EQ(t.exStyle, static_cast<DWORD>(WS_EX_APPWINDOW));
    EXPECT_EQ((std::vector<int>{t.x, t.y, t.cx, t.cy}), (std::vector<int>{0, 0, 267, 229}));
    EXPECT_EQ(t.menu, "");
    EXPECT_EQ(t.windowClass, "");
    EXPECT_EQ(t.font, "MS Sans Serif");
    EXPECT_EQ(t.pointSize, 8);
    EXPECT_EQ(t.weight, 0);
    EXPECT_EQ(t.italic, 0);
    EXPECT_EQ(t.charset, 1);
}

TEST(MainTemplate, ControlsInTabOrder) {
    const TemplateControl expected[] = {
        {1020, "SysListView32", "List1", 115, 15, 144, 189,
         kChild | WS_TABSTOP | WS_BORDER | LVS_REPORT | LVS_SINGLESEL | LVS_SHAREIMAGELISTS | LVS_NOLABELWRAP,
         0},
        {1001, "Button", "IDB_DIAL_", 16, 85, 60, 21, kBitmapButton, 0},
        {1014, "Button", "IDB_CLR_", 79, 86, 15, 19, kBitmapButton, 0},
        {1003, "Button", "IDB_D1_", 16, 110, 21, 17, kBitmapButton, 0},
        {1004, "Button", "IDB_D2_", 44, 110, 14, 14, kBitmapButton, 0},
        {1005, "Button", "IDB_D3_", 70, 110, 14, 14, kBitmapButton, 0},
        {1006, "Button", "IDB_D4_", 16, 136, 14, 14, kBitmapButton, 0},
        {1007, "Button", "IDB_D5_", 44, 136, 14, 14, kBitmapButton, 0},
        {1008, "Button", "IDB_D6_", 70, 136, 14, 14, kBitmapButton, 0},
        {1009, "Button", "IDB_D7_", 16, 160, 14, 14, kBitmapButton, 0},
        {1010, "Button", "IDB_D8_", 44, 160, 14, 14, kBitmapButton, 0},
        {1011, "Button", "IDB_D9_", 70, 160, 14, 14, kBitmapButton, 0},
        {1012, "Button", "IDB_DZ_", 16, 185, 14, 14, kBitmapButton, 0},
        {1002, "Button", "IDB_D0_", 44, 185, 14, 14, kBitmapButton, 0},
        {1013, "Button", "IDB_DH_", 70, 185, 14, 14, kBitmapButton, 0},
        {1028, "Button", "&New", 115, 207, 34, 14, kPushButton, 0},
        {1029, "Button", "&Edit", 151, 207, 34, 14, kPushButton, 0},
        {1027, "Button", "&Delete", 187, 207, 34, 14, kPushButton, 0},
        {1, "Button", "E&xit", 223, 207, 34, 14, kPushButton, 0},
        {1033, "Button", "IDB_SIG_", 46, 5, 50, 14, kBitmapButton, 0},
        {1032, "Button", "", 261, 131, 6, 6, WS_CHILD | WS_TABSTOP | BS_DEFPUSHBUTTON, 0},
        {1036, "Button", "End", 43, 207, 25, 14, WS_CHILD | WS_TABSTOP | BS_ICON, 0},
    };
    DialogTemplate t;
    ASSERT_TRUE(LoadDialogTemplate(::GetModuleHandleA(nullptr), IDD_DIALER, &t));
    ASSERT_EQ(t.controls.size(), std::size(expected));
    for (std::size_t i = 0; i < t.controls.size(); ++i) {
        const TemplateControl& got = t.controls[i];
        const TemplateControl& want = expected[i];
        SCOPED_TRACE("control #" + std::to_string(i + 1) + " id " + std::to_string(want.id));
        EXPECT_EQ(got.id, want.id);
        // Window class names are matched without regard to case; the resource
        // compiler stores custom class names in capitals.
        EXPECT_EQ(Upper(got.className), Upper(want.className));
        EXPECT_EQ(got.caption, want.caption);
        EXPECT_EQ((std::vector<int>{got.x, got.y, got.cx, got.cy}),
                  (std::vector<int>{want.x, want.y, want.cx, want.cy}));
        EXPECT_EQ(got.style, want.style) << std::hex << got.style << " vs " << want.style;
        EXPECT_EQ(got.exStyle, want.exStyle);
    }
}

}  // namespace
