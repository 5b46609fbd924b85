#include "common/utf8.h"

namespace trm {

namespace {
bool isContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}
}  // namespace

size_t utf8CharacterAt(const std::string& text, size_t at, char32_t& codePoint) {
    if (at >= text.size()) return 0;
    const unsigned char lead = static_cast<unsigned char>(text[at]);
    size_t length = 0;
    char32_t value = 0;
    char32_t smallest = 0;
    if (lead < 0x80) {
        codePoint = lead;
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        value = lead & 0x1F;
        smallest = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        value = lead & 0x0F;
        smallest = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        value = lead & 0x07;
        smallest = 0x10000;
    } else {
        return 0;
    }
    if (text.size() - at < length) return 0;
    for (size_t i = 1; i < length; ++i) {
        const unsigned char byte = static_cast<unsigned char>(text[at + i]);
        if (!isContinuation(byte)) return 0;
        value = (value << 6) | (byte & 0x3F);
    }
    if (value < smallest || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return 0;
    codePoint = value;
    return length;
}

bool isValidUtf8(const std::string& text) {
    char32_t ignored = 0;
    for (size_t at = 0; at < text.size();) {
        const size_t length = utf8CharacterAt(text, at, ignored);
        if (length == 0) return false;
        at += length;
    }
    return true;
}

void appendUtf8(std::string& text, char32_t codePoint) {
    if (codePoint < 0x80) {
        text += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        text += static_cast<char>(0xC0 | (codePoint >> 6));
        text += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        text += static_cast<char>(0xE0 | (codePoint >> 12));
        text += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | (codePoint >> 18));
        text += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
        text += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

std::string withoutBrokenTail(std::string text) {
    // A character is at most four bytes: only the last three can begin one
    // that the end cut short.
    size_t start = text.size();
    for (size_t back = 0; back < 3 && start > 0; ++back) {
        --start;
        if (!isContinuation(static_cast<unsigned char>(text[start]))) break;
    }
    if (start == text.size()) return text;
    const unsigned char lead = static_cast<unsigned char>(text[start]);
    char32_t ignored = 0;
    if (lead >= 0xC2 && lead <= 0xF4 && utf8CharacterAt(text, start, ignored) == 0) text.resize(start);
    return text;
}

}  // namespace trm
