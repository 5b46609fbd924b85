// File-system times as the platform reports them: 100-nanosecond intervals
// since 1601, split in two unsigned halves.
#pragma once

#include <cstdint>

namespace trm {

struct FileTime {
    uint32_t low = 0;
    uint32_t high = 0;

    uint64_t value() const { return (static_cast<uint64_t>(high) << 32) | low; }
};

// -1, 0 or 1, comparing the two times as unsigned 64-bit numbers.
inline int compareFileTime(const FileTime& a, const FileTime& b) {
    const uint64_t x = a.value();
    const uint64_t y = b.value();
    return x < y ? -1 : (x > y ? 1 : 0);
}

}  // namespace trm
