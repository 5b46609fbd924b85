// Shell icons at a size of our choosing, for menus drawn at another DPI
// than the system's: the shell's own calls give icons of the system's sizes
// only. Each is taken from the icon's own images, never stretched here.
#pragma once

#include <windows.h>

#include <string>

namespace trm {

// The icon the shell shows for `path` (with SHGFI_USEFILEATTRIBUTES in
// `flags`, for any file of that name, or folder, by `attributes`), `size`
// pixels square; null when it cannot be had at that size. The caller owns it.
HICON shellIconOfSize(const std::string& path, DWORD attributes, UINT flags, int size);

// The icon at `index` of an icon file (a negative index is a resource
// identifier), `size` pixels square; null when there is none.
HICON fileIconOfSize(const std::wstring& file, int index, int size);

// What an icon extractor's Extract gave for `size` (its result and its
// large icon, which this takes), made good: an icon of another size is
// taken from the location's file when it is one. Null when neither has it.
HICON iconOfSizeFrom(HRESULT extracted, HICON extractedIcon, const std::wstring& location, int index, UINT returned,
                     int size);

}  // namespace trm
