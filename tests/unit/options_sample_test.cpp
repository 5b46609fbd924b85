// The sample options file shipped with the release: as it comes it changes
// nothing, and each option line with its semicolon removed gives that option
// and nothing more, whatever the comments around it say.
#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <type_traits>
#include <variant>
#include <vector>

#include "app/option_parser.h"
#include "app/option_table.h"
#include "app/options_file_tokenizer.h"
#include "fake_path_probe.h"

namespace {

std::string show(bool value) {
    return value ? "true" : "false";
}
std::string show(int value) {
    return std::to_string(value);
}
template <class Enum, class = std::enable_if_t<std::is_enum<Enum>::value>>
std::string show(Enum value) {
    return std::to_string(static_cast<int>(value));
}
std::string show(const std::string& value) {
    return '"' + value + '"';
}
std::string show(const trm::StringList& values) {
    std::string text;
    for (const std::string& value : values) text += show(value) + ' ';
    return "{ " + text + "}";
}
std::string show(const trm::StringPairList& pairs) {
    std::string text;
    for (const auto& pair : pairs) text += show(pair.first) + ':' + show(pair.second) + ' ';
    return "{ " + text + "}";
}

// One line naming the keyword and what of it the field is.
std::string showField(const trm::Settings& s, const std::string& name, const trm::SettingField& field) {
    return std::visit(
        [&](auto member) -> std::string {
            if constexpr (std::is_same<decltype(member), std::monostate>::value)
                return std::string();
            else
                return name + '=' + show(s.*member) + '\n';
        },
        field);
}

// The settings an options file leaves, read as the program reads it: after
// a command line that named it. Every field the keyword table fills on a
// line of its own, so that a difference names the keyword.
std::string settingsAfter(const std::string& file) {
    trm::Settings s;
    s.useinifile = true;
    FakePathProbe paths;
    paths.directories = {"C:\\Stuff"};
    trm::OptionParser parser(s, paths, true);
    trm::tokenizeOptionsFile(file, parser);
    std::string text = "current=" + paths.current + '\n';
    text += "previousdirectory=" + show(s.previousdirectory) + '\n';
    text += "textIsUtf8=" + show(s.textIsUtf8) + '\n';
    // Each field once, under the first keyword that fills it.
    std::vector<std::pair<std::string, trm::SettingField>> fields;
    const auto add = [&fields](const std::string& name, const trm::SettingField& field) {
        for (const auto& known : fields)
            if (known.second == field) return;
        fields.emplace_back(name, field);
    };
    for (const trm::OptionRow& row : trm::optionTable()) {
        const std::string keyword = std::string("-") + row.keyword;
        for (bool trm::Settings::*flag : row.switches) add(keyword, flag);
        if (row.marked) add(keyword + " marks", row.marked);
        add(keyword + " value", row.field);
        add(keyword + " also", row.extra);
        for (const trm::OptionWord& word : row.words) add(keyword + ' ' + word.text, word.field);
    }
    for (const auto& field : fields) text += showField(s, field.first, field.second);
    return text;
}

std::vector<std::string> sampleLines() {
    std::ifstream file(TRM_OPTIONS_SAMPLE);
    std::vector<std::string> lines;
    for (std::string line; std::getline(file, line);) lines.push_back(line);
    return lines;
}

std::string joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

bool isOptionLine(const std::string& line) {
    return line.rfind(";-", 0) == 0;
}

TEST(OptionsSample, AsItComesItChangesNothing) {
    const std::vector<std::string> lines = sampleLines();
    ASSERT_GT(lines.size(), 10u) << "cannot read " << TRM_OPTIONS_SAMPLE;
    EXPECT_EQ(settingsAfter(joined(lines)), settingsAfter(""));
}

TEST(OptionsSample, EachLineUncommentedGivesItsOptionAlone) {
    const std::vector<std::string> lines = sampleLines();
    std::set<int> rows;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (!isOptionLine(lines[i])) continue;
        std::vector<std::string> edited = lines;
        edited[i].erase(0, 1);
        EXPECT_EQ(settingsAfter(joined(edited)), settingsAfter(edited[i])) << "line " << i + 1 << ": " << edited[i];
        // The line ends its option, whatever words come next.
        EXPECT_EQ(settingsAfter(edited[i] + "\r\nright bottom xp gradient noclick hidefilesfrommenu 9"),
                  settingsAfter(edited[i]))
            << "line " << i + 1 << " leaves its option open: " << edited[i];
        std::istringstream words(edited[i].substr(1));
        std::string keyword;
        words >> keyword;
        rows.insert(trm::keywordRow(keyword));
    }
    for (int row = 1; trm::keywordName(row) != nullptr; ++row)
        EXPECT_EQ(rows.count(row), 1u) << "no line for -" << trm::keywordName(row);
}

}  // namespace
