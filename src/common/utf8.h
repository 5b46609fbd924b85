// UTF-8, the text of the program wherever Windows honours its manifest:
// telling valid text, stepping over whole characters, and cutting text only
// between characters.
#pragma once

#include <cstddef>
#include <string>

namespace trm {

// The length (1-4) of the well-formed character that starts at `at`, with
// its code point; 0 when the bytes there are no such character (a stray
// continuation byte, a truncated, overlong or surrogate sequence).
size_t utf8CharacterAt(const std::string& text, size_t at, char32_t& codePoint);

bool isValidUtf8(const std::string& text);

void appendUtf8(std::string& text, char32_t codePoint);

// The text without an incomplete character at its end, as a copy into a
// buffer of fixed size may leave it.
std::string withoutBrokenTail(std::string text);

}  // namespace trm
