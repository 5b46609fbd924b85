// The one owner of a platform handle: released exactly once, by the
// function its kind is released with, whatever path leaves the scope. The
// family headers (gdi_handles.h, kernel_handles.h, user_handles.h) name the
// kinds.
#pragma once

#include <windows.h>

#include <utility>

namespace trm {

// Whether a handle holds something: kernel handles say "none" in two ways.
template <typename Handle>
bool heldHandle(Handle handle) {
    return handle != nullptr;
}
inline bool heldHandle(HANDLE handle) {
    return handle != nullptr && handle != INVALID_HANDLE_VALUE;
}

// Release is a function object taking the handle: a struct, so that a
// system function imported from a DLL never has to be a constant.
template <typename Handle, typename Release>
class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(Handle handle) : handle(handle) {}
    ~UniqueHandle() { reset(); }
    UniqueHandle(UniqueHandle&& other) noexcept : handle(other.detach()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) reset(other.detach());
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    Handle get() const { return handle; }
    bool valid() const { return heldHandle(handle); }
    explicit operator bool() const { return valid(); }

    // Releases what is held now, if anything, and holds the replacement.
    void reset(Handle replacement = Handle()) {
        if (valid()) Release()(handle);
        handle = replacement;
    }
    // Hands the handle to a caller that releases it itself.
    Handle detach() { return std::exchange(handle, Handle()); }

private:
    Handle handle = Handle();
};

}  // namespace trm
