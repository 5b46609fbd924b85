#include "app/options_file_text.h"

#include "common/utf8.h"

namespace trm {

namespace {
const char byteOrderMark[] = "\xEF\xBB\xBF";

bool isAscii(const std::string& text) {
    for (const char c : text)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}
}  // namespace

unsigned legacyCodePage(unsigned activeCodePage, unsigned localeCodePage) {
    if (activeCodePage != utf8CodePage) return activeCodePage;
    if (localeCodePage != 0 && localeCodePage != utf8CodePage) return localeCodePage;
    return westernCodePage;
}

OptionsFileText optionsFileText(const std::string& bytes, unsigned activeCodePage, unsigned localeCodePage) {
    OptionsFileText read;
    // The end-of-file byte belongs to the file's bytes: once converted, a
    // legacy "ÿ" would no longer be one.
    read.text = bytes.substr(0, bytes.find('\xFF'));
    if (read.text.compare(0, 3, byteOrderMark) == 0) read.text.erase(0, 3);
    if (isAscii(read.text))
        read.codePage = activeCodePage;
    else if (isValidUtf8(read.text))
        read.codePage = utf8CodePage;
    else
        read.codePage = legacyCodePage(activeCodePage, localeCodePage);
    return read;
}

}  // namespace trm
