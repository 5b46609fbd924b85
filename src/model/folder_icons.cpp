#include "model/folder_icons.h"

#include <shlobj.h>

#include "common/com_ptr.h"
#include "common/display_dpi.h"
#include "common/shell_item_list.h"
#include "common/user_handles.h"

namespace trm {

namespace {

// One of the two icons Extract hands back; the other is destroyed.
HICON extractIcon(IExtractIconA& extractor, UINT flags, bool large, int shellIconSize) {
    char location[MAX_PATH] = {};
    int index = 0;
    UINT returned = 0;
    if (extractor.GetIconLocation(flags, location, MAX_PATH, &index, &returned) != S_OK) return nullptr;
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

HICON desktopDirectoryIcon(HWND owner, bool large, int shellIconSize, bool open) {
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
        return extractIcon(*extractor.get(), open ? GIL_OPENICON : 0, large, shellIconSize);
    }
    if (offered == E_NOINTERFACE) {
        char path[MAX_PATH] = {};
        if (!::SHGetPathFromIDListA(item.list, path)) return nullptr;
        return fileInfoIcon(path, open ? SHGFI_OPENICON : 0, large);
    }
    return nullptr;
}

}  // namespace trm
