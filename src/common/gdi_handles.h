// Small owners of GDI objects and device contexts, and scopes that select
// an object into a DC and put the previous one back.
#pragma once

#include <windows.h>

#include "common/unique_handle.h"

namespace trm {

struct DeleteObjectCall {
    void operator()(HGDIOBJ object) const { ::DeleteObject(object); }
};
struct DeleteDCCall {
    void operator()(HDC dc) const { ::DeleteDC(dc); }
};

using FontHandle = UniqueHandle<HFONT, DeleteObjectCall>;
using PenHandle = UniqueHandle<HPEN, DeleteObjectCall>;
using BrushHandle = UniqueHandle<HBRUSH, DeleteObjectCall>;
using BitmapHandle = UniqueHandle<HBITMAP, DeleteObjectCall>;

// GetWindowDC / ReleaseDC; a null window gives the whole screen.
class WindowDC {
public:
    explicit WindowDC(HWND window) : window(window), dc(::GetWindowDC(window)) {}
    ~WindowDC() {
        if (dc != nullptr) ::ReleaseDC(window, dc);
    }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    HDC get() const { return dc; }

private:
    HWND window;
    HDC dc;
};

// GetDC / ReleaseDC: the client area of a window.
class ClientDC {
public:
    explicit ClientDC(HWND window) : window(window), dc(::GetDC(window)) {}
    ~ClientDC() {
        if (dc != nullptr) ::ReleaseDC(window, dc);
    }
    ClientDC(const ClientDC&) = delete;
    ClientDC& operator=(const ClientDC&) = delete;
    HDC get() const { return dc; }

private:
    HWND window;
    HDC dc;
};

// CreateCompatibleDC / DeleteDC.
class MemoryDC : public UniqueHandle<HDC, DeleteDCCall> {
public:
    explicit MemoryDC(HDC compatibleWith) : UniqueHandle(::CreateCompatibleDC(compatibleWith)) {}
};

// Selects an object for the scope's lifetime. Declare the object's owner
// before the scope, so that it is deselected before it is deleted.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc(dc), previous(object ? ::SelectObject(dc, object) : nullptr) {}
    ~SelectedObject() {
        if (previous != nullptr) ::SelectObject(dc, previous);
    }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

private:
    HDC dc;
    HGDIOBJ previous;
};

// Keeps the text colour, background colour and background mode of a DC.
class TextColoursKept {
public:
    explicit TextColoursKept(HDC dc)
        : dc(dc), textColour(::GetTextColor(dc)), backColour(::GetBkColor(dc)), backMode(::GetBkMode(dc)) {}
    ~TextColoursKept() {
        ::SetTextColor(dc, textColour);
        ::SetBkColor(dc, backColour);
        ::SetBkMode(dc, backMode);
    }
    TextColoursKept(const TextColoursKept&) = delete;
    TextColoursKept& operator=(const TextColoursKept&) = delete;

private:
    HDC dc;
    COLORREF textColour;
    COLORREF backColour;
    int backMode;
};

}  // namespace trm
