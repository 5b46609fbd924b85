// What the bytes of an options file say, before they are tokenized: the
// text up to the end-of-file byte 0xFF without a UTF-8 byte-order mark, and
// the code page it is written in. Valid UTF-8 is read as UTF-8; anything
// else as the machine's legacy ANSI code page, so files written before the
// program ran in UTF-8 keep working.
#pragma once

#include <string>

namespace trm {

const unsigned utf8CodePage = 65001;
const unsigned westernCodePage = 1252;

struct OptionsFileText {
    std::string text;
    unsigned codePage = 0;
};

// The code page of text that is not UTF-8: the one the program runs in,
// or, when that is UTF-8, the system locale's own (`localeCodePage`, 0 when
// it cannot be told); Windows-1252 when neither names a legacy code page.
unsigned legacyCodePage(unsigned activeCodePage, unsigned localeCodePage);

// Text in plain ASCII, which every code page reads alike, is taken to be in
// the active code page, so that it is never converted.
OptionsFileText optionsFileText(const std::string& bytes, unsigned activeCodePage, unsigned localeCodePage);

}  // namespace trm
