// The main window's menus: its commands added to the system menu, and the
// contact and display menus of a right click. A chosen item arrives at the
// window as the WM_COMMAND of its command, as a button's click does.
#pragma once

#include "commands/WindowCommands.h"
#include "framework/Win32.h"

// The command a key pressed in the window runs before it becomes a
// character, by the key and the state of Ctrl and Shift; 0 for none.
int CommandOfKeyMessage(const MSG& message);

// Puts the window's own commands into its system menu, above Close.
void AddCommandsToSystemMenu(HWND window);
// Shows whether find-as-you-type is on, as a tick in the system menu.
void CheckSystemMenuItem(HWND window, UINT item, bool checked);

// The menu of a right click on `clicked` at a screen point, or of the
// context-menu key (no point): on the list it selects the row clicked and
// offers the contact's commands; on the display, Paste, Copy and Clear.
// Items are enabled as the state of the number, the list and the clipboard
// allows. Returns when the menu closes; false when the click hit nothing of
// ours (the caption, whose system menu the system opens).
bool OpenContextMenu(HWND owner, HWND clicked, HWND list, int x, int y, bool fromKeyboard, bool hasNumber);
