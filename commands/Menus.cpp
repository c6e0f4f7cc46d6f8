#include "commands/Menus.h"

#include "commands/Clipboard.h"
#include "dialpad/DisplayLayout.h"
#include "framework/Menu.h"
#include "res/resource.h"

int CommandOfKeyMessage(const MSG& message) {
    if (message.message != WM_KEYDOWN) return 0;
    return CommandOfKey(static_cast<unsigned>(message.wParam), ::GetKeyState(VK_CONTROL) < 0,
                        ::GetKeyState(VK_SHIFT) < 0);
}

void AddCommandsToSystemMenu(HWND window) {
    HMENU system = ::GetSystemMenu(window, FALSE);
    CMenu additions(IDR_SYSTEM_MENU);
    HMENU items = additions.SubMenu(0);
    if (system == nullptr || items == nullptr) return;
    const int count = ::GetMenuItemCount(items);
    for (int i = 0; i < count; ++i) {
        char text[64] = {};
        ::GetMenuStringA(items, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
        const UINT id = ::GetMenuItemID(items, i);
        const UINT kind = (::GetMenuState(items, static_cast<UINT>(i), MF_BYPOSITION) & MF_SEPARATOR) != 0
                              ? MF_SEPARATOR
                              : MF_STRING;
        ::InsertMenuA(system, SC_CLOSE, MF_BYCOMMAND | kind, id, kind == MF_STRING ? text : nullptr);
    }
}

void CheckSystemMenuItem(HWND window, UINT item, bool checked) {
    ::CheckMenuItem(::GetSystemMenu(window, FALSE), item,
                    MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

namespace {

// Selects the list's row at a screen point, as a right click on it should;
// with no row there, none stays selected.
void SelectRowAt(HWND list, POINT screen) {
    LVHITTESTINFO hit{};
    hit.pt = screen;
    ::ScreenToClient(list, &hit.pt);
    const int row = static_cast<int>(::SendMessageA(list, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    ListView_SetItemState(list, -1, 0, LVIS_SELECTED);
    if (row >= 0)
        ListView_SetItemState(list, row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

// Where the context-menu key opens the menu: below the selected row.
POINT KeyboardPoint(ContextMenuKind kind, HWND owner, HWND list, POINT fallback) {
    POINT point = fallback;
    HWND origin = owner;
    const int row = ListView_GetNextItem(list, -1, LVNI_SELECTED);
    RECT rect{};
    if (kind == ContextMenuKind::kContact && row >= 0 && ListView_GetItemRect(list, row, &rect, LVIR_LABEL)) {
        point = {rect.left, rect.bottom};
        origin = list;
    }
    ::ClientToScreen(origin, &point);
    return point;
}

}  // namespace

bool OpenContextMenu(HWND owner, HWND clicked, HWND list, int x, int y, bool fromKeyboard, bool hasNumber) {
    const POINT screen{x, y};
    POINT client = screen;
    ::ScreenToClient(owner, &client);
    const ContextMenuKind kind = ContextMenuAt(clicked == list, fromKeyboard, client.x, client.y);
    if (kind == ContextMenuKind::kContact && !fromKeyboard) SelectRowAt(list, screen);
    const CommandState state{hasNumber, ListView_GetNextItem(list, -1, LVNI_SELECTED) >= 0,
                             ClipboardHasText()};
    CMenu menus(IDR_CONTEXT_MENUS);
    HMENU menu = menus.SubMenu(kind == ContextMenuKind::kContact ? 0 : 1);
    if (kind == ContextMenuKind::kNone || menu == nullptr) return false;
    const int count = ::GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        const UINT id = ::GetMenuItemID(menu, i);
        if (id == 0 || id == static_cast<UINT>(-1)) continue;  // a separator or a submenu
        ::EnableMenuItem(
            menu, static_cast<UINT>(i),
            MF_BYPOSITION | (CommandAvailable(static_cast<int>(id), state) ? MF_ENABLED : MF_GRAYED));
    }
    const POINT at =
        fromKeyboard ? KeyboardPoint(kind, owner, list, {kDisplayArea.x, kDisplayArea.y}) : screen;
    ::TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, owner, nullptr);
    return true;
}
