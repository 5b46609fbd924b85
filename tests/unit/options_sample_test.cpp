// The sample options file shipped with the release: as it comes it changes
// nothing, and each option line with its semicolon removed gives that option
// and nothing more, whatever the comments around it say.
#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "app/option_parser.h"
#include "app/options_file_tokenizer.h"
#include "fake_path_probe.h"

namespace {

std::string show(bool value) {
    return value ? "true" : "false";
}
std::string show(int value) {
    return std::to_string(value);
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

// The settings an options file leaves, read as the program reads it: after
// a command line that named it. Every field on a line of its own, so that a
// difference names the field.
std::string settingsAfter(const std::string& file) {
    trm::Settings s;
    s.useinifile = true;
    FakePathProbe paths;
    paths.directories = {"C:\\Stuff"};
    trm::OptionParser parser(s, paths, true);
    trm::tokenizeOptionsFile(file, parser);
    std::string text = "current=" + paths.current + '\n';
#define F(name) text += #name "=" + show(s.name) + '\n'
    F(sort), F(revsort), F(display), F(resolve), F(appearwhererun), F(appearatxset), F(appearatyset), F(menuxalignment),
        F(menuyalignment), F(onlyonemenu), F(foldersatbottom), F(noavailablecheck), F(appearatx), F(appearaty),
        F(onlyfolders), F(onlyfiles), F(addexplore), F(addexploretext), F(addexploreposition), F(addopenall),
        F(addopenallposition), F(addopenalltext), F(addopenallhidefilesfrommenu), F(addopenallextensions), F(displayxp),
        F(displayflat), F(displayrounded), F(displaybackground), F(displayoutline), F(dotitles),
        F(dotitlesusedrivenames), F(dotitlesclicktoopenfolder), F(dotitlesgradient), F(dotitlesbackground),
        F(dotitlesoutline), F(dotitlesleft), F(dotitleimages), F(dotitleimagesnoclick), F(dotitleimagesfile),
        F(dotitleimagesusefirst), F(transparent), F(transparentlevel), F(dothumbnailsontooltip),
        F(dothumbnailsontooltipsizex), F(dothumbnailsontooltipsizey), F(useinifile), F(useinifilename),
        F(imagereductionx), F(imagereductiony), F(foldertitle), F(separatorbetweenfilesandfolders), F(separatorbefore),
        F(separatorafter), F(barbreakbefore), F(barbreakafter), F(dieonmouseout), F(dieonmouseouttime),
        F(menusforshortcutstofolders), F(unavailabletext), F(iconsforfolders), F(noshowhidden), F(maxmenuwidth),
        F(shiftrun), F(revshiftrun), F(makepretty), F(showonly), F(removeext), F(removeallext), F(block),
        F(blockextensions), F(blockfolders), F(startdirectory), F(previousdirectory), F(waittodietime), F(textIsUtf8),
        F(theme), F(makeshortcut), F(makeshortcutpath);
#undef F
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
