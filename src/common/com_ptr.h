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

    Interface* get() const { return pointer; }
    Interface* operator->() const { return pointer; }
    explicit operator bool() const { return pointer != nullptr; }

    // For the out-parameter of a call that hands over a reference.
    Interface** put() {
        reset();
        return &pointer;
    }
    void** putVoid() { return reinterpret_cast<void**>(put()); }

    void reset() {
        if (pointer) pointer->Release();
        pointer = nullptr;
    }

private:
    Interface* pointer = nullptr;
};

}  // namespace trm
