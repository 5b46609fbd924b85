// One ".lnk" file loaded through the shell's link object, released with it.
// Paths are asked for in UTF-16 and handed over in the active code page: an
// ANSI path buffer of 260 bytes is too short for long names in UTF-8.
#pragma once

#include <windows.h>
#include <shlobj.h>

#include <string>

#include "common/com_ptr.h"

namespace trm {

class ShellLink {
public:
    // False when the link object cannot be made or the file cannot be loaded.
    bool load(const std::string& linkPath);

    // The target as GetPath gives it with `flags` (SLGP_*); false on failure.
    bool targetPath(DWORD flags, std::string& path, WIN32_FIND_DATAW* found = nullptr);

    // The icon the link names as its own rather than its target's, with
    // environment variables expanded; false when it names none.
    bool iconLocation(std::string& path, int& index);

    // Lets the shell find a moved target, without any window and for at most
    // a few milliseconds.
    bool resolveQuietly();

private:
    ComPtr<IShellLinkW> link;
    ComPtr<IPersistFile> file;
};

}  // namespace trm
