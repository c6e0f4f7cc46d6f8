#include "commands/WindowCommands.h"

#include "dialpad/DisplayLayout.h"
#include "res/resource.h"

namespace {

// Virtual-key codes, with the values Windows gives them.
constexpr unsigned kKeyInsert = 0x2D;
constexpr unsigned kKeyC = 'C';
constexpr unsigned kKeyH = 'H';
constexpr unsigned kKeyV = 'V';

constexpr unsigned kSystemChoiceMask = 0xFFF0;

struct SystemChoice {
    unsigned choice;
    int command;
};
constexpr SystemChoice kSystemChoices[] = {
    {IDM_SYSTEM_IMPORT, ID_IMPORT},
    {IDM_SYSTEM_EXPORT, ID_EXPORT},
    {IDM_SYSTEM_CALL_HISTORY, ID_CALL_HISTORY},
    {IDM_SYSTEM_FIND_AS_YOU_TYPE, ID_FIND_AS_YOU_TYPE},
    {IDM_SYSTEM_ABOUT, IDC_CREDITS},
};

bool Inside(const Rect& area, int x, int y) {
    return x >= area.x && x < area.x + area.width && y >= area.y && y < area.y + area.height;
}

}  // namespace

int CommandOfKey(unsigned virtualKey, bool control, bool shift) {
    if (control && !shift && virtualKey == kKeyV) return ID_PASTE;
    if (!control && shift && virtualKey == kKeyInsert) return ID_PASTE;
    if (control && !shift && (virtualKey == kKeyC || virtualKey == kKeyInsert)) return ID_COPY;
    if (control && shift && virtualKey == kKeyH) return ID_CALL_HISTORY;
    return 0;
}

int CommandOfSystemChoice(unsigned choice) {
    for (const SystemChoice& entry : kSystemChoices) {
        if (entry.choice == (choice & kSystemChoiceMask)) return entry.command;
    }
    return 0;
}

ContextMenuKind ContextMenuAt(bool onList, bool fromKeyboard, int x, int y) {
    if (onList) return ContextMenuKind::kContact;
    if (fromKeyboard || Inside(kDisplayArea, x, y)) return ContextMenuKind::kDisplay;
    return ContextMenuKind::kNone;
}

bool CommandAvailable(int command, const CommandState& state) {
    switch (command) {
        case ID_COPY:
        case IDC_CLEAR: return state.hasNumber;
        case ID_PASTE: return state.clipboardText;
        case ID_DIAL_CONTACT:
        case ID_COPY_NUMBER:
        case IDC_EDIT:
        case IDC_DELETE: return state.contactChosen;
        default: return true;
    }
}
