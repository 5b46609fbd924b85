#include "model/sized_icons.h"

#include <shellapi.h>
#include <shlobj.h>

#include "common/com_ptr.h"
#include "common/shell_item_list.h"
#include "common/user_handles.h"
#include "common/win_text.h"
#include "model/icon_cache.h"

namespace trm {

HICON iconOfSizeFrom(HRESULT extracted, HICON extractedIcon, const std::wstring& location, int index, UINT returned,
                     int size) {
    IconHandle icon(extracted == S_OK ? extractedIcon : nullptr);
    const IconHandle unused(extracted == S_OK ? nullptr : extractedIcon);
    int width = 0;
    int height = 0;
    if (icon) measureIcon(icon.get(), width, height);
    if (icon && width == size && height == size) return icon.detach();
    // S_FALSE asks us to take the icon from the file; an extractor may also
    // ignore the size asked for, and the file then has it.
    if ((extracted == S_OK || extracted == S_FALSE) && !(returned & GIL_NOTFILENAME))
        if (HICON fromFile = fileIconOfSize(location, index, size)) return fromFile;
    // Another size of the icon itself still beats the system's size.
    return icon.detach();
}

namespace {

// What the item's extractor hands back for its location, at `size`.
HICON extractAtSize(IExtractIconW& extractor, int size) {
    wchar_t location[MAX_PATH] = {};
    int index = 0;
    UINT returned = 0;
    if (extractor.GetIconLocation(GIL_FORSHELL, location, MAX_PATH, &index, &returned) != S_OK) return nullptr;
    HICON large = nullptr;
    HICON small = nullptr;
    const UINT sizes = MAKELONG(static_cast<WORD>(size), static_cast<WORD>(size));
    const HRESULT extracted = extractor.Extract(location, static_cast<UINT>(index), &large, &small, sizes);
    // The shell may hand back one icon for both.
    const IconHandle other(small == large ? nullptr : small);
    return iconOfSizeFrom(extracted, large, location, index, returned, size);
}

HICON itemIconOfSize(const std::wstring& path, int size) {
    ComPtr<IMalloc> allocator;
    if (FAILED(::SHGetMalloc(allocator.put())) || !allocator) return nullptr;
    ShellItemList item(*allocator.get());
    if (FAILED(::SHParseDisplayName(path.c_str(), nullptr, &item.list, 0, nullptr)) || item.list == nullptr)
        return nullptr;
    ComPtr<IShellFolder> parent;
    LPCITEMIDLIST last = nullptr;
    if (FAILED(::SHBindToParent(item.list, IID_IShellFolder, parent.putVoid(), &last)) || !parent) return nullptr;
    ComPtr<IExtractIconW> extractor;
    // No owner window: one of another thread would tie the worker to it.
    if (FAILED(parent->GetUIObjectOf(nullptr, 1, &last, IID_IExtractIconW, nullptr, extractor.putVoid())) || !extractor)
        return nullptr;
    return extractAtSize(*extractor.get(), size);
}

}  // namespace

HICON fileIconOfSize(const std::wstring& file, int index, int size) {
    if (file.empty() || size <= 0) return nullptr;
    HICON icon = nullptr;
    UINT id = 0;
    const UINT got = ::PrivateExtractIconsW(file.c_str(), index, size, size, &icon, &id, 1, LR_DEFAULTCOLOR);
    // 0xFFFFFFFF: no such file; 0: no icon at that index.
    if (got == 0 || got == 0xFFFFFFFFu) return nullptr;
    return icon;
}

HICON shellIconOfSize(const std::string& path, DWORD attributes, UINT flags, int size) {
    const std::wstring wide = wideOf(path);
    if (wide.empty() || size <= 0) return nullptr;
    if (!(flags & SHGFI_USEFILEATTRIBUTES))
        if (HICON icon = itemIconOfSize(wide, size)) return icon;
    // A file that need not exist, or an item without an extractor: where
    // the shell finds its icon.
    SHFILEINFOW info = {};
    if (!::SHGetFileInfoW(wide.c_str(), attributes, &info, sizeof info,
                          SHGFI_ICONLOCATION | (flags & SHGFI_USEFILEATTRIBUTES)) ||
        info.szDisplayName[0] == L'\0')
        return nullptr;
    return fileIconOfSize(info.szDisplayName, info.iIcon, size);
}

}  // namespace trm
