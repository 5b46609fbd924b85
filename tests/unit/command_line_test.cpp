#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/command_line_info.h"

using Args = std::vector<std::string>;

namespace {

TEST(CommandLineSplit, WhiteSpaceSeparatesAndQuotesGroup) {
    EXPECT_EQ(trm::splitCommandLine("prog a  b\tc"), (Args{"prog", "a", "b", "c"}));
    EXPECT_EQ(trm::splitCommandLine("\"C:\\Program Files\\t.exe\" \"C:\\My Stuff\" -sort 2"),
              (Args{"C:\\Program Files\\t.exe", "C:\\My Stuff", "-sort", "2"}));
    EXPECT_EQ(trm::splitCommandLine("prog a\"b c\"d"), (Args{"prog", "ab cd"}));
    EXPECT_EQ(trm::splitCommandLine("prog \"\""), (Args{"prog", ""}));
    EXPECT_EQ(trm::splitCommandLine("prog   "), (Args{"prog"}));
    EXPECT_EQ(trm::splitCommandLine(""), (Args{""}));
}

TEST(CommandLineSplit, BackslashesEscapeOnlyBeforeQuotes) {
    EXPECT_EQ(trm::splitCommandLine("p C:\\a\\b"), (Args{"p", "C:\\a\\b"}));
    EXPECT_EQ(trm::splitCommandLine("p a\\\"b"), (Args{"p", "a\"b"}));
    EXPECT_EQ(trm::splitCommandLine("p \"a\\\\\" b"), (Args{"p", "a\\", "b"}));
    EXPECT_EQ(trm::splitCommandLine("p \"a\"\"b\""), (Args{"p", "a\"b"}));
    EXPECT_EQ(trm::splitCommandLine("p \"unterminated arg"), (Args{"p", "unterminated arg"}));
}

class Collector : public CCommandLineInfo {
public:
    struct Call {
        std::string param;
        bool isSwitch;
        bool isLast;
    };
    std::vector<Call> calls;
    void ParseParam(const char* param, bool isSwitch, bool isLast) override {
        calls.push_back({param, isSwitch, isLast});
    }
};

TEST(CommandLineArguments, SwitchesLoseTheirFirstCharacterAndTheLastIsMarked) {
    Collector collector;
    trm::parseArguments(trm::splitCommandLine("prog -sort /dotitles --x C:\\Stuff \"\""), collector);
    ASSERT_EQ(collector.calls.size(), 5u);
    EXPECT_EQ(collector.calls[0].param, "sort");
    EXPECT_TRUE(collector.calls[0].isSwitch);
    EXPECT_EQ(collector.calls[1].param, "dotitles");
    EXPECT_TRUE(collector.calls[1].isSwitch);
    EXPECT_EQ(collector.calls[2].param, "-x");
    EXPECT_TRUE(collector.calls[2].isSwitch);
    EXPECT_EQ(collector.calls[3].param, "C:\\Stuff");
    EXPECT_FALSE(collector.calls[3].isSwitch);
    EXPECT_FALSE(collector.calls[3].isLast);
    EXPECT_EQ(collector.calls[4].param, "");
    EXPECT_TRUE(collector.calls[4].isLast);
}

TEST(CommandLineArguments, NoArgumentsNoCalls) {
    Collector collector;
    trm::parseArguments(trm::splitCommandLine("prog"), collector);
    EXPECT_TRUE(collector.calls.empty());
}

}  // namespace

namespace {

TEST(CommandLineJoin, SplittingTheJoinedLineGivesTheArgumentsBack) {
    const Args args = {"C:\\Stuff", "C:\\My Stuff\\", "a\"b", "", "tab\there", "\\\\server\\share\\x", "back\\\\\"q\"",
                       "\"",        "x\\\\",          "-sort"};
    Args expected = {"prog"};
    expected.insert(expected.end(), args.begin(), args.end());
    EXPECT_EQ(trm::splitCommandLine(("prog " + trm::joinArguments(args)).c_str()), expected);
}

}  // namespace
