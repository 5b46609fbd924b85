// A hint that memory is about to be read. GCC and clang take it; other
// compilers get nothing, which changes no result.
#pragma once

namespace trm {

inline void prefetch(const void* address) {
#if defined(__GNUC__) || defined(__clang__)
    __builtin_prefetch(address);
#else
    (void)address;
#endif
}

}  // namespace trm
