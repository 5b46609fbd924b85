// Owner of one shell item list, freed with the shell's allocator.
#pragma once

#include <windows.h>
#include <shlobj.h>

namespace trm {

class ShellItemList {
public:
    explicit ShellItemList(IMalloc& allocator) : allocator(allocator) {}
    ~ShellItemList() {
        if (list) allocator.Free(list);
    }
    ShellItemList(const ShellItemList&) = delete;
    ShellItemList& operator=(const ShellItemList&) = delete;
    LPITEMIDLIST list = nullptr;

private:
    IMalloc& allocator;
};

}  // namespace trm
