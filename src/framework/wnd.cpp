#include "framework/wnd.h"

#include <cstdio>
#include <list>
#include <string>

#include "framework/win_app.h"

CWnd::~CWnd() {
    if (m_hWnd && ::IsWindow(m_hWnd)) ::DestroyWindow(m_hWnd);
}

BOOL CWnd::CreateEx(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y, int width,
                    int height, HWND parent, HMENU menu) {
    HWND window = ::CreateWindowExA(exStyle, className, windowName, style, x, y, width, height, parent, menu,
                                    ::GetModuleHandleA(nullptr), this);
    return window != nullptr;
}

BOOL CWnd::DestroyWindow() {
    return m_hWnd ? ::DestroyWindow(m_hWnd) : FALSE;
}

UINT_PTR CWnd::SetTimer(UINT_PTR id, UINT elapse) {
    return ::SetTimer(m_hWnd, id, elapse, nullptr);
}
BOOL CWnd::KillTimer(UINT_PTR id) {
    return ::KillTimer(m_hWnd, id);
}
BOOL CWnd::ShowWindow(int command) {
    return ::ShowWindow(m_hWnd, command);
}
BOOL CWnd::UpdateWindow() {
    return ::UpdateWindow(m_hWnd);
}
BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::PostMessageA(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

LRESULT CALLBACK CWnd::routeMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    // The object rides in the window's user data: under Wine that is read
    // in-process, while a window property costs a trip to the wine server
    // on every message.
    CWnd* object = reinterpret_cast<CWnd*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
    if (object == nullptr && message == WM_NCCREATE) {
        object = static_cast<CWnd*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        if (object) {
            object->m_hWnd = window;
            ::SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(object));
        }
    }
    if (object == nullptr) return ::DefWindowProcA(window, message, wParam, lParam);

    LRESULT result = 0;
    try {
        result = object->WindowProc(message, wParam, lParam);
    } catch (...) {
        // Nothing may leave a window procedure: the message gets the
        // default handling instead of ours.
        result = ::DefWindowProcA(window, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        object->m_hWnd = nullptr;
        CWinApp* app = AfxGetApp();
        if (app && app->m_pMainWnd == object) {
            app->m_pMainWnd = nullptr;
            ::PostQuitMessage(0);
        }
        object->PostNcDestroy();
    }
    return result;
}

LPCSTR AfxRegisterWndClass(UINT classStyle, HCURSOR cursor, HBRUSH background, HICON icon) {
    // One class per attribute set, named after the attributes like the framework does.
    static std::list<std::string> registered;  // nodes never move: c_str() stays valid
    char name[96];
    std::snprintf(name, sizeof name, "Trm:%x:%p:%p:%p", classStyle, static_cast<void*>(cursor),
                  static_cast<void*>(background), static_cast<void*>(icon));
    for (const std::string& known : registered)
        if (known == name) return known.c_str();

    WNDCLASSA windowClass = {};
    windowClass.style = classStyle;
    windowClass.lpfnWndProc = &CWnd::routeMessage;
    windowClass.hInstance = ::GetModuleHandleA(nullptr);
    windowClass.hCursor = cursor;
    windowClass.hbrBackground = background;
    windowClass.hIcon = icon;
    windowClass.lpszClassName = name;
    if (!::RegisterClassA(&windowClass) && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return nullptr;
    registered.emplace_back(name);
    return registered.back().c_str();
}
