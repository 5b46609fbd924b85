#include "model/folder_icons.h"

#include <shlobj.h>

#include "common/com_ptr.h"
#include "common/display_dpi.h"
#include "common/shell_item_list.h"
#include "common/user_handles.h"
#include "common/win_text.h"
#include "model/sized_icons.h"

namespace trm {

namespace {

// The icon at the location, `size` pixels square; null when not to be had.
HICON extractAtSize(IExtractIconA& extractor, const char* location, int index, UINT returned, int size) {
    HICON largeIcon = nullptr;
    HICON smallIcon = nullptr;
    const UINT sizes = MAKELONG(static_cast<WORD>(size), static_cast<WORD>(size));
    const HRESULT extracted = extractor.Extract(location, static_cast<UINT>(index), &largeIcon, &smallIcon, sizes);
    const IconHandle other(largeIcon == smallIcon ? nullptr : smallIcon);
    return iconOfSizeFrom(extracted, largeIcon, wideOf(location), index, returned, size);
}

// One of the two icons Extract hands back; the other is destroyed. With a
// `size`, that size when the shell has it.
HICON extractIcon(IExtractIconA& extractor, UINT flags, bool large, int shellIconSize, int size) {
    char location[MAX_PATH] = {};
    int index = 0;
    UINT returned = 0;
    if (extractor.GetIconLocation(flags, location, MAX_PATH, &index, &returned) != S_OK) return nullptr;
    if (size > 0)
        if (HICON sized = extractAtSize(extractor, location, index, returned, size)) return sized;
    HICON largeIcon = nullptr;
    HICON smallIcon = nullptr;
    const UINT sizes =
        MAKELONG(static_cast<WORD>(shellIconSize), static_cast<WORD>(systemMetricForDpi(SM_CXSMICON, displayDpi())));
    if (FAILED(extractor.Extract(location, static_cast<UINT>(index), &largeIcon, &smallIcon, sizes))) return nullptr;
    // The shell may hand back one icon for both.
    const IconHandle other(largeIcon == smallIcon ? nullptr : large ? smallIcon : largeIcon);
    return large ? largeIcon : smallIcon;
}

HICON fileInfoIcon(const char* path, UINT extraFlags, bool large) {
    SHFILEINFOA info = {};
    const UINT size = large ? SHGFI_SHELLICONSIZE : SHGFI_SMALLICON;
    if (!::SHGetFileInfoA(path, FILE_ATTRIBUTE_NORMAL, &info, sizeof info, SHGFI_ICON | size | extraFlags))
        return nullptr;
    return info.hIcon;
}

}  // namespace

HICON desktopDirectoryIcon(HWND owner, bool large, int shellIconSize, bool open, int size) {
    ComPtr<IMalloc> allocator;
    ComPtr<IShellFolder> desktop;
    if (FAILED(::SHGetMalloc(allocator.put())) || FAILED(::SHGetDesktopFolder(desktop.put()))) return nullptr;
    ShellItemList item(*allocator.get());
    if (FAILED(::SHGetSpecialFolderLocation(owner, CSIDL_DESKTOPDIRECTORY, &item.list)) || item.list == nullptr)
        return nullptr;
    ComPtr<IShellFolder> bound;
    if (FAILED(desktop->BindToObject(item.list, nullptr, IID_IShellFolder, bound.putVoid()))) return nullptr;

    ComPtr<IExtractIconA> probe;
    const HRESULT offered = bound->QueryInterface(IID_IExtractIconA, probe.putVoid());
    if (offered == S_OK) {
        ComPtr<IExtractIconA> extractor;
        LPCITEMIDLIST items[] = {item.list};
        if (FAILED(desktop->GetUIObjectOf(owner, 1, items, IID_IExtractIconA, nullptr, extractor.putVoid())))
            return nullptr;
        return extractIcon(*extractor.get(), open ? GIL_OPENICON : 0, large, shellIconSize, size);
    }
    if (offered == E_NOINTERFACE) {
        char path[MAX_PATH] = {};
        if (!::SHGetPathFromIDListA(item.list, path)) return nullptr;
        if (size > 0 && !open)
            if (HICON sized = shellIconOfSize(path, FILE_ATTRIBUTE_DIRECTORY, 0, size)) return sized;
        return fileInfoIcon(path, open ? SHGFI_OPENICON : 0, large);
    }
    return nullptr;
}

}  // namespace trm
