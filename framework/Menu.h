// Menus the program loads from its resources. A loaded menu is destroyed
// with its owner; the system menu of a window belongs to the window and is
// never owned.
#pragma once

#include "framework/Win32.h"

class CMenu {
public:
    explicit CMenu(UINT resourceId);
    ~CMenu();
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;

    // The pop-up menu at this position of the menu bar the resource holds,
    // or nullptr when the resource is missing.
    HMENU SubMenu(int position) const;

private:
    HMENU menu_;
};
