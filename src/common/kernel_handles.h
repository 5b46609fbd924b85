// Owners of kernel and system-library handles.
#pragma once

#include <windows.h>

#include "common/unique_handle.h"

namespace trm {

struct CloseHandleCall {
    void operator()(HANDLE handle) const { ::CloseHandle(handle); }
};
struct FindCloseCall {
    void operator()(HANDLE handle) const { ::FindClose(handle); }
};
struct RegCloseKeyCall {
    void operator()(HKEY key) const { ::RegCloseKey(key); }
};
struct FreeLibraryCall {
    void operator()(HMODULE module) const { ::FreeLibrary(module); }
};
struct GlobalFreeCall {
    void operator()(HGLOBAL block) const { ::GlobalFree(block); }
};

using FindHandle = UniqueHandle<HANDLE, FindCloseCall>;      // FindFirstFileW
using FileHandle = UniqueHandle<HANDLE, CloseHandleCall>;    // CreateFileA
using ThreadHandle = UniqueHandle<HANDLE, CloseHandleCall>;  // CreateThread
using RegistryKey = UniqueHandle<HKEY, RegCloseKeyCall>;
using LibraryHandle = UniqueHandle<HMODULE, FreeLibraryCall>;
using GlobalBlock = UniqueHandle<HGLOBAL, GlobalFreeCall>;  // GlobalAlloc

}  // namespace trm
