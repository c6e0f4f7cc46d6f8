#include "framework/Menu.h"

#include "framework/WinApp.h"

CMenu::CMenu(UINT resourceId) : menu_(::LoadMenuA(CWinApp::ResourceHandle(), MAKEINTRESOURCEA(resourceId))) {}

CMenu::~CMenu() {
    if (menu_ != nullptr) ::DestroyMenu(menu_);
}

HMENU CMenu::SubMenu(int position) const {
    return menu_ != nullptr ? ::GetSubMenu(menu_, position) : nullptr;
}
