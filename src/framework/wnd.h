// Stand-in for the framework's window object: one C++ object per native
// window, messages routed to the virtual WindowProc.
#pragma once

#include <windows.h>

class CWnd {
public:
    CWnd() = default;
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    BOOL CreateEx(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y, int width, int height,
                  HWND parent, HMENU menu);
    BOOL DestroyWindow();

    HWND GetSafeHwnd() const { return m_hWnd; }
    UINT_PTR SetTimer(UINT_PTR id, UINT elapse);
    BOOL KillTimer(UINT_PTR id);
    BOOL ShowWindow(int command);
    BOOL UpdateWindow();
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

    HWND m_hWnd = nullptr;

protected:
    // Handles one message; the base passes it to the default procedure.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Called after the native window is gone.
    virtual void PostNcDestroy() {}

public:
    // The window procedure of every class registered by AfxRegisterWndClass.
    static LRESULT CALLBACK routeMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
};

// Registers (once) and returns a window class with the given attributes.
LPCSTR AfxRegisterWndClass(UINT classStyle, HCURSOR cursor = nullptr, HBRUSH background = nullptr,
                           HICON icon = nullptr);
