// Owner of one COM interface reference: released exactly once, whatever
// path the code takes out of the scope that holds it.
#pragma once

namespace trm {

template <typename Interface>
class ComPtr {
public:
    ComPtr() = default;
    ~ComPtr() { reset(); }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    ComPtr(ComPtr&& other) noexcept : pointer(other.detach()) {}
    ComPtr& operator=(ComPtr&& other) noexcept {
        if (this != &other) {
            reset();
            pointer = other.detach();
        }
        return *this;
    }

    Interface* get() const { return pointer; }
    Interface* operator->() const { return pointer; }
    explicit operator bool() const { return pointer != nullptr; }

    // For the out-parameter of a call that hands over a reference.
    Interface** put() {
        reset();
        return &pointer;
    }
    void** putVoid() { return reinterpret_cast<void**>(put()); }

    // Hands the reference to a caller that releases it itself.
    Interface* detach() {
        Interface* held = pointer;
        pointer = nullptr;
        return held;
    }

    void reset() {
        if (pointer) pointer->Release();
        pointer = nullptr;
    }

private:
    Interface* pointer = nullptr;
};

}  // namespace trm
