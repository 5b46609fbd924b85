// Owners of kernel handles: closed exactly once, with the function that
// belongs to their kind.
#pragma once

#include <windows.h>

namespace trm {

template <BOOL(WINAPI* Close)(HANDLE)>
class KernelHandle {
public:
    explicit KernelHandle(HANDLE handle) : handle(handle) {}
    ~KernelHandle() {
        if (valid()) Close(handle);
    }
    KernelHandle(const KernelHandle&) = delete;
    KernelHandle& operator=(const KernelHandle&) = delete;

    bool valid() const { return handle != INVALID_HANDLE_VALUE && handle != nullptr; }
    HANDLE get() const { return handle; }

private:
    HANDLE handle;
};

using FindHandle = KernelHandle<::FindClose>;      // FindFirstFileW
using FileHandle = KernelHandle<::CloseHandle>;    // CreateFileA
using ThreadHandle = KernelHandle<::CloseHandle>;  // CreateThread

}  // namespace trm
