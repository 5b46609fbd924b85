// ASCII-only case folding and comparisons. The launcher folds A-Z only and
// compares bytes as unsigned values, whatever the code page.
#pragma once

#include <cstring>
#include <string>

namespace trm {

inline char asciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}
inline char asciiUpper(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

// <0, 0, >0 like strcmp, A-Z folded, bytes unsigned.
int compareNoCase(const std::string& a, const std::string& b);
// <0, 0, >0 by unsigned byte value.
int compareBytes(const std::string& a, const std::string& b);

bool equalsNoCase(const std::string& a, const std::string& b);
// True when the first prefix.size() characters of text equal prefix, A-Z folded.
// A text shorter than the prefix does not begin with it.
bool beginsWithNoCase(const std::string& text, const std::string& prefix);

// Equal to a string literal. Its length known when compiling, the compiler
// compares without calls: a scan compares every file's extension this way.
template <size_t N>
bool equalsLiteral(const std::string& text, const char (&literal)[N]) {
    return text.size() == N - 1 && std::memcmp(text.data(), literal, N - 1) == 0;
}

}  // namespace trm
