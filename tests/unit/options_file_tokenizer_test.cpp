#include "app/options_file_tokenizer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/option_parser.h"
#include "fake_path_probe.h"
#include "framework/command_line_info.h"

namespace {

struct Token {
    std::string text;
    bool isSwitch;
    bool isLast;
    bool operator==(const Token& other) const {
        return text == other.text && isSwitch == other.isSwitch && isLast == other.isLast;
    }
};

std::ostream& operator<<(std::ostream& out, const Token& token) {
    return out << (token.isSwitch ? "-" : "") << token.text << (token.isLast ? "(last)" : "");
}

class TokenRecorder : public CCommandLineInfo {
public:
    std::vector<Token> tokens;
    void ParseParam(const char* param, bool isSwitch, bool isLast) override {
        tokens.push_back({param, isSwitch, isLast});
    }
};

std::vector<Token> tokensOf(const std::string& bytes) {
    TokenRecorder recorder;
    trm::tokenizeOptionsFile(bytes, recorder);
    return recorder.tokens;
}

TEST(OptionsFileTokens, SeparatorsEndTokensOutsideQuotes) {
    EXPECT_EQ(tokensOf("-sort 2\r\n-dotitles gradient\n"),
              (std::vector<Token>{
                  {"sort", true, false}, {"2", false, false}, {"dotitles", true, false}, {"gradient", false, false}}));
    EXPECT_EQ(tokensOf("a\\b"), (std::vector<Token>{{"a", false, false}, {"b", false, true}}));
    EXPECT_EQ(tokensOf("a\tb"), (std::vector<Token>{{"a\tb", false, true}}));
    EXPECT_EQ(tokensOf("   \n\n  "), std::vector<Token>{});
}

TEST(OptionsFileTokens, QuotesKeepSeparatorsButNotDashes) {
    EXPECT_EQ(tokensOf("-startdirectory \"D:\\My Music\""),
              (std::vector<Token>{{"startdirectory", true, false}, {"D:\\My Music", false, true}}));
    EXPECT_EQ(tokensOf("\"C:\\my-folder\""), (std::vector<Token>{{"C:\\myfolder", true, true}}));
    EXPECT_EQ(tokensOf("ab\"c d\"ef"), (std::vector<Token>{{"abc def", false, true}}));
}

TEST(OptionsFileTokens, DashesAndSlashesMarkWhereverTheyStand) {
    EXPECT_EQ(tokensOf("so-rt /x"), (std::vector<Token>{{"sort", true, false}, {"x", true, true}}));
    // The mark is cleared at a separator even when the token was empty.
    EXPECT_EQ(tokensOf("- x"), (std::vector<Token>{{"x", false, true}}));
}

TEST(OptionsFileTokens, TheLastTokenIsLastEvenWithoutALineBreak) {
    EXPECT_EQ(tokensOf("-sort 3"), (std::vector<Token>{{"sort", true, false}, {"3", false, true}}));
    EXPECT_EQ(tokensOf("-sort 3\n"), (std::vector<Token>{{"sort", true, false}, {"3", false, false}}));
}

TEST(OptionsFileTokens, ByteFFEndsTheFile) {
    EXPECT_EQ(tokensOf("-sort 2\xFF -dotitles"), (std::vector<Token>{{"sort", true, false}, {"2", false, true}}));
    EXPECT_EQ(tokensOf("\"a b\xFF c\""), (std::vector<Token>{{"a b", false, true}}));
    EXPECT_EQ(tokensOf("\xE9t\xE9"), (std::vector<Token>{{"\xE9t\xE9", false, true}}));
}

TEST(OptionsFileTokens, DegenerateFilesEndQuickly) {
    EXPECT_EQ(tokensOf(std::string(100000, '"')), std::vector<Token>{});
    EXPECT_EQ(tokensOf(std::string(100000, '-')), std::vector<Token>{});
    const std::vector<Token> big = tokensOf(std::string(4 * 1024 * 1024, 'x'));
    ASSERT_EQ(big.size(), 1u);
    EXPECT_EQ(big[0].text.size(), 4u * 1024 * 1024);
    EXPECT_EQ(tokensOf("\"unterminated quote"), (std::vector<Token>{{"unterminated quote", false, true}}));
}

TEST(OptionsFileParsing, FeedsTheOptionsFileParser) {
    trm::Settings settings;
    FakePathProbe paths;
    paths.directories = {"D:\\Music"};
    settings.useinifilename = "mine.ini";
    trm::OptionParser parser(settings, paths, true);
    trm::tokenizeOptionsFile(
        "-sort 2 -dotitles gradient\r\n-block \"Thumbs.db\"\n-startdirectory \"D:\\Music\"\n"
        "-useinifile other.ini\n-showonly txt",
        parser);
    EXPECT_EQ(static_cast<int>(settings.sort), 2);
    EXPECT_TRUE(settings.dotitlesgradient);
    EXPECT_EQ(settings.block, (std::vector<std::string>{"Thumbs.db"}));
    EXPECT_EQ(settings.startdirectory, "D:\\Music");
    EXPECT_EQ(settings.useinifilename, "mine.ini");
    EXPECT_EQ(settings.showonly, (std::vector<std::string>{".txt"}));
    EXPECT_TRUE(paths.changes.empty());
}

TEST(OptionsFileParsing, AnUnquotedPathFallsApartAtItsBackslash) {
    trm::Settings settings;
    FakePathProbe paths;
    paths.directories = {"D:\\Music"};
    trm::OptionParser parser(settings, paths, true);
    trm::tokenizeOptionsFile("-startdirectory D:\\Music", parser);
    EXPECT_EQ(settings.startdirectory, "Music");
    EXPECT_TRUE(paths.changes.empty());
}

TEST(OptionsFileParsing, ANegativeNumberIsReadAsAnUnknownSwitch) {
    trm::Settings settings;
    FakePathProbe paths;
    trm::OptionParser parser(settings, paths, true);
    trm::tokenizeOptionsFile("-transparent -20 -waittodietime -5", parser);
    EXPECT_FALSE(settings.transparent);
    EXPECT_EQ(settings.transparentlevel, 0);
    EXPECT_EQ(settings.waittodietime, 0);
}

}  // namespace
