#include "app/options_file_text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using trm::optionsFileText;

const std::string musicaUtf8 = "-startdirectory \"C:\\M\xC3\xBAsica\"";
const std::string musica1252 = "-startdirectory \"C:\\M\xFAsica\"";

TEST(OptionsFileText, Utf8IsReadAsItIsAndAnythingElseInTheLegacyCodePage) {
    struct Case {
        const char* what;
        std::string bytes;
        unsigned active;
        unsigned locale;
        std::string text;
        unsigned codePage;
    };
    const Case cases[] = {
        {"UTF-8", musicaUtf8, 65001, 1252, musicaUtf8, 65001},
        {"UTF-8 with a byte-order mark", "\xEF\xBB\xBF" + musicaUtf8, 65001, 1252, musicaUtf8, 65001},
        {"Windows-1252", musica1252, 65001, 1252, musica1252, 1252},
        {"Shift-JIS", "\x93\x8C\x8B\x9E", 65001, 932, "\x93\x8C\x8B\x9E", 932},
        {"a locale that names UTF-8", musica1252, 65001, 65001, musica1252, 1252},
        {"a locale that cannot be told", musica1252, 65001, 0, musica1252, 1252},
        {"ASCII", "-sort 2", 65001, 1252, "-sort 2", 65001},
        {"ASCII after a byte-order mark", "\xEF\xBB\xBF-sort 2", 1252, 1252, "-sort 2", 1252},
        // Older Windows run the program in the legacy code page itself.
        {"legacy text on older Windows", musica1252, 1252, 1252, musica1252, 1252},
        {"UTF-8 on older Windows", musicaUtf8, 1252, 1252, musicaUtf8, 65001},
        {"the end-of-file byte", "-sort 2\xFF-sort \xFA", 65001, 1252, "-sort 2", 65001},
        {"UTF-8 up to the end-of-file byte", musicaUtf8 + "\xFF\xFA", 65001, 1252, musicaUtf8, 65001},
    };
    for (const Case& c : cases) {
        const trm::OptionsFileText read = optionsFileText(c.bytes, c.active, c.locale);
        EXPECT_EQ(read.text, c.text) << c.what;
        EXPECT_EQ(read.codePage, c.codePage) << c.what;
    }
}

}  // namespace
