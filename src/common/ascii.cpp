#include "common/ascii.h"

namespace trm {

namespace {
template <typename Fold>
int compareWith(const std::string& a, const std::string& b, Fold fold) {
    const size_t n = a.size() < b.size() ? a.size() : b.size();
    for (size_t i = 0; i < n; ++i) {
        const unsigned char x = static_cast<unsigned char>(fold(a[i]));
        const unsigned char y = static_cast<unsigned char>(fold(b[i]));
        if (x != y) return x < y ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}
char identity(char c) {
    return c;
}
}  // namespace

int compareNoCase(const std::string& a, const std::string& b) {
    return compareWith(a, b, asciiLower);
}
int compareBytes(const std::string& a, const std::string& b) {
    return compareWith(a, b, identity);
}

bool equalsNoCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && compareNoCase(a, b) == 0;
}

bool beginsWithNoCase(const std::string& text, const std::string& prefix) {
    if (text.size() < prefix.size()) return false;
    for (size_t i = 0; i < prefix.size(); ++i)
        if (asciiLower(text[i]) != asciiLower(prefix[i])) return false;
    return true;
}

}  // namespace trm
