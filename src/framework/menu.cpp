#include "framework/menu.h"

#include "framework/wnd.h"

CMenu::~CMenu() {
    DestroyMenu();
}

BOOL CMenu::CreatePopupMenu() {
    return Attach(::CreatePopupMenu());
}

BOOL CMenu::DestroyMenu() {
    if (m_hMenu == nullptr) return FALSE;
    const BOOL done = ::DestroyMenu(m_hMenu);
    m_hMenu = nullptr;
    return done;
}

BOOL CMenu::Attach(HMENU menu) {
    if (menu == nullptr) return FALSE;
    m_hMenu = menu;
    return TRUE;
}

HMENU CMenu::Detach() {
    HMENU menu = m_hMenu;
    m_hMenu = nullptr;
    return menu;
}

BOOL CMenu::AppendMenu(UINT flags, UINT_PTR idOrSubmenu, LPCSTR item) {
    return ::AppendMenuA(m_hMenu, flags, idOrSubmenu, item);
}

BOOL CMenu::InsertMenu(UINT position, UINT flags, UINT_PTR idOrSubmenu, LPCSTR item) {
    return ::InsertMenuA(m_hMenu, position, flags, idOrSubmenu, item);
}

BOOL CMenu::DeleteMenu(UINT position, UINT flags) {
    return ::DeleteMenu(m_hMenu, position, flags);
}

int CMenu::GetMenuItemCount() const {
    return ::GetMenuItemCount(m_hMenu);
}

UINT CMenu::GetMenuItemID(int position) const {
    return ::GetMenuItemID(m_hMenu, position);
}

BOOL CMenu::TrackPopupMenu(UINT flags, int x, int y, CWnd* owner, LPCRECT exclude) {
    return ::TrackPopupMenu(m_hMenu, flags, x, y, 0, owner ? owner->m_hWnd : nullptr, exclude);
}
