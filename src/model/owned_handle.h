// Owner of one platform object that the core holds but cannot name (an OLE
// picture, a bitmap): the Windows side hands over the pointer together with
// the function that releases it.
#pragma once

namespace trm {

class OwnedHandle {
public:
    using ReleaseFunction = void (*)(void*);

    OwnedHandle() = default;
    OwnedHandle(void* handle, ReleaseFunction release) : handle_(handle), release_(release) {}
    ~OwnedHandle() { reset(); }

    OwnedHandle(const OwnedHandle&) = delete;
    OwnedHandle& operator=(const OwnedHandle&) = delete;
    OwnedHandle(OwnedHandle&& other) noexcept : handle_(other.handle_), release_(other.release_) {
        other.handle_ = nullptr;
    }
    OwnedHandle& operator=(OwnedHandle&& other) noexcept {
        if (this != &other) {
            reset();
            handle_ = other.handle_;
            release_ = other.release_;
            other.handle_ = nullptr;
        }
        return *this;
    }

    void* get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }

    // Releases the object held now, if any, and holds the new one.
    void reset(void* handle = nullptr, ReleaseFunction release = nullptr) {
        void* old = handle_;
        const ReleaseFunction oldRelease = release_;
        handle_ = handle;
        release_ = release;
        if (old && oldRelease) oldRelease(old);
    }

    // Gives up ownership without releasing, for a caller that releases itself.
    void* release() {
        void* handle = handle_;
        handle_ = nullptr;
        return handle;
    }

private:
    void* handle_ = nullptr;
    ReleaseFunction release_ = nullptr;
};

}  // namespace trm
