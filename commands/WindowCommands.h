// Which of the main window's commands a key, a system-menu choice or a right
// click reaches, and when a menu item can run. A menu item sends the same
// command as the button it stands for, so both reach the same handler.
// Standard C++ only.
#pragma once

// The command a key pressed in the main window runs before it becomes a
// character (Ctrl+V would arrive as character 0x16), or 0 for none.
int CommandOfKey(unsigned virtualKey, bool control, bool shift);

// The command a choice in the window's system menu runs, or 0 for the
// system's own choices (Move, Close...). The system keeps the low four bits
// of a choice for itself.
int CommandOfSystemChoice(unsigned choice);

// The menu a right click, or the context-menu key, opens.
enum class ContextMenuKind { kNone, kContact, kDisplay };
// `onList`: on the contact list; `fromKeyboard`: by the context-menu key or
// Shift+F10, with no point; x and y: the click in the window's client area.
ContextMenuKind ContextMenuAt(bool onList, bool fromKeyboard, int x, int y);

// What the menu items depend on.
struct CommandState {
    bool hasNumber;      // the dial number is not empty
    bool contactChosen;  // a row of the list is selected
    bool clipboardText;  // the clipboard holds text
};
// Whether a command's menu item is enabled.
bool CommandAvailable(int command, const CommandState& state);
