// The window's commands beyond the keypad on the real window: paste and copy
// through the real clipboard, the three menus opened by their messages and
// driven from the keyboard, and find-as-you-type.
#include <gtest/gtest.h>

#include <string>

#include "DialerWindow.h"
#include "dialpad/DisplayLayout.h"
#include "res/resource.h"
#include "tests/common/FileBytes.h"
#include "ui/SearchSetting.h"

namespace {

void SetClipboardText(const std::string& text) {
    ASSERT_TRUE(::OpenClipboard(nullptr));
    ::EmptyClipboard();
    HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    memcpy(::GlobalLock(memory), text.c_str(), text.size() + 1);
    ::GlobalUnlock(memory);
    ::SetClipboardData(CF_TEXT, memory);
    ::CloseClipboard();
}

// The clipboard's text in one form, "" without it.
std::string ClipboardText(UINT format) {
    std::string text;
    if (!::OpenClipboard(nullptr)) return "(busy)";
    if (HANDLE data = ::GetClipboardData(format)) {
        if (format == CF_UNICODETEXT) {
            for (const wchar_t* w = static_cast<const wchar_t*>(::GlobalLock(data)); *w != 0; ++w)
                text += static_cast<char>(*w);
        } else {
            text = static_cast<const char*>(::GlobalLock(data));
        }
        ::GlobalUnlock(data);
    }
    ::CloseClipboard();
    return text;
}

// Whether a pop-up menu of the thread is on the screen, waited for.
bool MenuShown(DWORD thread, bool shown) {
    return WaitUntil([&] {
        bool visible = false;
        ::EnumThreadWindows(
            thread,
            [](HWND window, LPARAM found) {
                char name[16] = {};
                ::GetClassNameA(window, name, sizeof name);
                if (std::string(name) == "#32768" && ::IsWindowVisible(window))
                    *reinterpret_cast<bool*>(found) = true;
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&visible));
        return visible == shown;
    });
}

// Opens a menu by its message, then presses the keys: characters, or
// virtual keys when given as negative numbers.
void ChooseFromMenu(HWND main, UINT message, WPARAM wParam, POINT at, std::initializer_list<int> keys) {
    const DWORD thread = ::GetWindowThreadProcessId(main, nullptr);
    ::PostMessageA(main, message, wParam, MAKELPARAM(at.x, at.y));
    ASSERT_TRUE(MenuShown(thread, true));
    for (int key : keys)
        key < 0 ? PostKey(main, static_cast<UINT>(-key)) : PostChar(main, static_cast<char>(key));
    ASSERT_TRUE(MenuShown(thread, false));
}

std::string RowsShown(HWND list) {
    std::string rows;
    const int count = ListView_GetItemCount(list);
    for (int r = 0; r < count; ++r) {
        char text[80] = {};
        ListView_GetItemText(list, r, 0, text, sizeof text);
        rows += std::string(r > 0 ? "|" : "") + text;
    }
    return rows;
}

TEST_F(DialerWindow, PastesCopiesRunsItsMenusFromTheKeyboardAndFindsContactsAsYouType) {
    ASSERT_TRUE(WriteFindAsYouType(false));  // the prefix's registry outlives a failed run
    WriteFileBytes(
        "contacts.txt",
        "[PhoneNumbers]\nAnn Lee,555 1234,2\nBob Cole,555 99-1,7\nJoan Ng,266 000,1\nAnna Bell,777,0\n");
    Run([&](HWND main) {
        HWND list = ::GetDlgItem(main, IDC_CONTACT_LIST);
        POINT display{kDisplayArea.x + 5, kDisplayArea.y + 5};
        ::ClientToScreen(main, &display);
        // Paste from the display's menu takes the number out of the text and
        // lets the user type on; Copy puts the number back, in both forms.
        SetClipboardText("Office: Tel.: +1 (201) 555-0123 ext. 7");
        ChooseFromMenu(main, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(main), display, {'p'});
        ASSERT_TRUE(NumberIs("+1 (201) 555-0123"));
        PostChar(list, '9');
        ASSERT_TRUE(NumberIs("+1 (201) 555-01239"));
        ChooseFromMenu(main, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(main), display, {'c'});
        EXPECT_TRUE(WaitUntil([] { return ClipboardText(CF_TEXT) == "+1 (201) 555-01239"; }));
        EXPECT_EQ(ClipboardText(CF_UNICODETEXT), "+1 (201) 555-01239");
        SetClipboardText("no number here");
        ChooseFromMenu(main, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(main), display, {'p'});
        PostChar(list, '5');  // after the paste's command, which changes nothing
        EXPECT_TRUE(NumberIs("+1 (201) 555-012395"));
        // A right click on a row selects it; its menu copies its number, and
        // Enter on the first item dials it.
        RECT row{};
        ListView_GetItemRect(list, 1, &row, LVIR_LABEL);
        POINT onRow{row.left + 5, row.top + 3};
        ::ClientToScreen(list, &onRow);
        ChooseFromMenu(main, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(list), onRow, {'c'});
        EXPECT_EQ(ListView_GetNextItem(list, -1, LVNI_SELECTED), 1);
        EXPECT_TRUE(WaitUntil([] { return ClipboardText(CF_TEXT) == "555 1234"; }));
        ChooseFromMenu(main, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(list), onRow, {-VK_DOWN, -VK_RETURN});
        ASSERT_TRUE(WaitUntil([&] { return Dialog().Contacts().slots[0].calls == 3; }));
        EXPECT_STREQ(Dialog().Entry().Number(), "555 1234");
        // A right click on the caption opens the system menu, as everywhere.
        RECT frame{};
        ::GetWindowRect(main, &frame);
        ChooseFromMenu(main, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(main),
                       POINT{frame.left + 60, frame.top + 8}, {-VK_ESCAPE});
        // The system menu's access key switches find-as-you-type on: typed
        // digits find names and numbers, the letters follow the rows shown.
        ChooseFromMenu(main, WM_SYSCOMMAND, SC_KEYMENU, POINT{' ', 0}, {'f'});
        EXPECT_TRUE(WaitUntil([&] {  // the choice is posted once the menu has closed
            return (::GetMenuState(::GetSystemMenu(main, FALSE), IDM_SYSTEM_FIND_AS_YOU_TYPE, MF_BYCOMMAND) &
                    MF_CHECKED) != 0;
        }));
        for (char c : std::string("266")) PostChar(list, c);
        ASSERT_TRUE(NumberIs("266")) << Dialog().Entry().Number();
        EXPECT_EQ(RowsShown(list), "A - Ann Lee|B - Joan Ng|C - Anna Bell");
        PostChar(list, 'B');
        ASSERT_TRUE(NumberIs("266 000"));
        EXPECT_EQ(RowsShown(list), "A - Bob Cole|B - Ann Lee|C - Joan Ng|D - Anna Bell");
        for (int i = 0; i < 4; ++i) PostKey(list, VK_BACK);
        ASSERT_TRUE(NumberIs("266"));
        EXPECT_EQ(RowsShown(list), "A - Ann Lee|B - Joan Ng|C - Anna Bell");
        for (int i = 0; i < 3; ++i) PostKey(list, VK_BACK);
        ASSERT_TRUE(NumberIs(""));
        EXPECT_EQ(ListView_GetItemCount(list), 4);
        ChooseFromMenu(main, WM_SYSCOMMAND, SC_KEYMENU, POINT{' ', 0}, {'f'});
        EXPECT_TRUE(WaitUntil([&] {
            return (::GetMenuState(::GetSystemMenu(main, FALSE), IDM_SYSTEM_FIND_AS_YOU_TYPE, MF_BYCOMMAND) &
                    MF_CHECKED) == 0;
        }));
        for (char c : std::string("266")) PostChar(list, c);
        ASSERT_TRUE(NumberIs("266"));
        EXPECT_EQ(ListView_GetItemCount(list), 4);
        ClickButton(main, IDOK);
    });
}

}  // namespace

namespace {

// The option is on only for a DWORD that is not 0; anything else is off.
TEST(FindAsYouTypeSetting, AMissingOrMistypedValueMeansOff) {
    HKEY key = nullptr;
    ASSERT_EQ(::RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Tollwick", 0, nullptr, 0, KEY_ALL_ACCESS,
                                nullptr, &key, nullptr),
              ERROR_SUCCESS);
    const DWORD one = 1, zero = 0;
    const struct {
        DWORD type;
        const void* data;
        DWORD size;
        bool on;
    } values[] = {{REG_DWORD, &one, 4, true},
                  {REG_DWORD, &zero, 4, false},
                  {REG_SZ, "1", 2, false},
                  {REG_BINARY, &one, 1, false},
                  {REG_NONE, nullptr, 0, false}};
    for (const auto& v : values) {
        if (v.data != nullptr) {
            ::RegSetValueExA(key, "FindAsYouType", 0, v.type, static_cast<const BYTE*>(v.data), v.size);
        } else {
            ::RegDeleteValueA(key, "FindAsYouType");
        }
        EXPECT_EQ(ReadFindAsYouType(), v.on) << v.type;
    }
    ::RegCloseKey(key);
    EXPECT_TRUE(WriteFindAsYouType(true));
    EXPECT_TRUE(ReadFindAsYouType());
    EXPECT_TRUE(WriteFindAsYouType(false));
}

}  // namespace
