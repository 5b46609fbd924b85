// Stand-in for the framework's menu object: owns one native menu handle.
#pragma once

#include <windows.h>

class CWnd;

class CMenu {
public:
    CMenu() = default;
    virtual ~CMenu();  // destroys the native menu if still attached
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;

    BOOL CreatePopupMenu();
    BOOL DestroyMenu();
    BOOL Attach(HMENU menu);
    HMENU Detach();
    HMENU GetSafeHmenu() const { return m_hMenu; }

    BOOL AppendMenu(UINT flags, UINT_PTR idOrSubmenu = 0, LPCSTR item = nullptr);
    BOOL InsertMenu(UINT position, UINT flags, UINT_PTR idOrSubmenu = 0, LPCSTR item = nullptr);
    BOOL DeleteMenu(UINT position, UINT flags);
    int GetMenuItemCount() const;
    UINT GetMenuItemID(int position) const;
    BOOL TrackPopupMenu(UINT flags, int x, int y, CWnd* owner, LPCRECT exclude = nullptr);

    HMENU m_hMenu = nullptr;
};
