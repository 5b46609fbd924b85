#include "common/utf8.h"

#include <gtest/gtest.h>

#include <string>

#include "common/letter_case.h"

namespace {

TEST(Utf8, ReadsWellFormedCharactersAndRefusesTheRest) {
    struct Case {
        std::string bytes;
        size_t length;
        char32_t codePoint;
    };
    const Case cases[] = {
        {"A", 1, 0x41},
        {"\xC3\xA9", 2, 0xE9},
        {"\xE6\x9D\xB1", 3, 0x6771},
        {"\xF0\x9F\x98\x80", 4, 0x1F600},
        {"\x80", 0, 0},              // a continuation byte alone
        {"\xC3", 0, 0},              // cut short
        {"\xC3\x41", 0, 0},          // no continuation
        {"\xC0\xAF", 0, 0},          // "/" in two bytes
        {"\xE0\x80\xAF", 0, 0},      // "/" in three bytes
        {"\xED\xA0\x80", 0, 0},      // a surrogate
        {"\xF4\x90\x80\x80", 0, 0},  // beyond U+10FFFF
        {"\xFA", 0, 0},              // a legacy "ú"
    };
    for (const Case& c : cases) {
        char32_t codePoint = 0;
        EXPECT_EQ(trm::utf8CharacterAt(c.bytes, 0, codePoint), c.length) << c.bytes;
        if (c.length == 0) continue;
        EXPECT_EQ(codePoint, c.codePoint) << c.bytes;
        std::string written;
        trm::appendUtf8(written, codePoint);
        EXPECT_EQ(written, c.bytes);
    }
    EXPECT_TRUE(trm::isValidUtf8(""));
    EXPECT_TRUE(trm::isValidUtf8("\xE6\x9D\xB1\xE4\xBA\xAC caf\xC3\xA9 \xCE\xA9mega"));
    EXPECT_FALSE(trm::isValidUtf8("M\xFAsica"));
    EXPECT_FALSE(trm::isValidUtf8("caf\xC3"));
}

TEST(Utf8, TextCutInsideACharacterLosesThePart) {
    const std::pair<std::string, std::string> cases[] = {
        {"caf\xC3\xA9", "caf\xC3\xA9"},
        {"a\xF0\x9F\x98\x80", "a\xF0\x9F\x98\x80"},
        {"caf\xC3", "caf"},
        {"\xE6\x9D\xB1\xE4\xBA", "\xE6\x9D\xB1"},
        {"a\xF0\x9F\x98", "a"},
        {"a\xF0", "a"},
        {"M\xFA", "M\xFA"},  // not UTF-8 at all: nothing to tell, nothing cut
        {"a\x80\x80", "a\x80\x80"},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(trm::withoutBrokenTail(c.first), c.second) << c.first;
}

TEST(LetterCase, PairsOfEveryAlphabetWithCase) {
    const std::pair<char32_t, char32_t> pairs[] = {
        {U'A', U'a'}, {U'É', U'é'}, {U'Ÿ', U'ÿ'}, {U'Ő', U'ő'}, {U'Ł', U'ł'}, {U'Ž', U'ž'},   {U'Ǎ', U'ǎ'},
        {U'Ș', U'ș'}, {U'Ω', U'ω'}, {U'Ά', U'ά'}, {U'Ό', U'ό'}, {U'Ϊ', U'ϊ'}, {U'Ж', U'ж'},   {U'Ё', U'ё'},
        {U'Ґ', U'ґ'}, {U'Ӏ', U'ӏ'}, {U'Ա', U'ա'}, {U'Ạ', U'ạ'}, {U'Ỹ', U'ỹ'}, {U'Ａ', U'ａ'},
    };
    for (const auto& pair : pairs) {
        EXPECT_EQ(trm::lowerCaseOf(pair.first), pair.second) << static_cast<unsigned>(pair.first);
        EXPECT_EQ(trm::upperCaseOf(pair.second), pair.first) << static_cast<unsigned>(pair.second);
        EXPECT_EQ(trm::lowerCaseOf(pair.second), pair.second) << static_cast<unsigned>(pair.second);
        EXPECT_EQ(trm::upperCaseOf(pair.first), pair.first) << static_cast<unsigned>(pair.first);
    }
    EXPECT_EQ(trm::upperCaseOf(U'ς'), U'Σ');
    EXPECT_EQ(trm::lowerCaseOf(U'Σ'), U'σ');
    // No single letter of their own in the other case, or no case at all.
    for (const char32_t same : {U'ß', U'ẞ', U'İ', U'ı', U'ĸ', U'ŉ', U'×', U'÷', U'東', U'1', U'@'}) {
        EXPECT_EQ(trm::lowerCaseOf(same), same) << static_cast<unsigned>(same);
        EXPECT_EQ(trm::upperCaseOf(same), same) << static_cast<unsigned>(same);
    }
}

}  // namespace
