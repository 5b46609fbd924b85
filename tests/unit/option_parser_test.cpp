#include "app/option_parser.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/settings_text.h"
#include "fake_path_probe.h"
#include "framework/command_line_info.h"

using trm::OptionParser;
using trm::Settings;

namespace {

class OptionParserTest : public ::testing::Test {
protected:
    OptionParserTest() { paths.directories = {"C:\\Stuff", "C:\\Other", "C:\\Stuff\\Games"}; }

    // Parses a command line as the framework would (program name first).
    void parse(const std::string& commandLine, bool fromOptionsFile = false) {
        OptionParser parser(settings, paths, fromOptionsFile);
        trm::parseArguments(trm::splitCommandLine(("trellimond.exe " + commandLine).c_str()), parser);
    }

    Settings settings;
    FakePathProbe paths;
};

// The options alone on a command line, read into fresh settings.
Settings parsedAlone(const std::string& options) {
    Settings settings;
    FakePathProbe paths;
    OptionParser parser(settings, paths, false);
    trm::parseArguments(trm::splitCommandLine(("trellimond.exe " + options).c_str()), parser);
    return settings;
}

// Stating the default the README documents changes nothing.
TEST(SettingsDefaults, MatchTheDocumentedDefaults) {
    const char* const cases[][2] = {
        {"", "-sort 0 -menuxalignment centre -menuyalignment centre -theme system -makepretty 0"},
        {"", "-imagereductionx 1 -imagereductiony 1"},
        {"-dothumbnailsontooltip", "-dothumbnailsontooltipsizex 320 -dothumbnailsontooltipsizey 240"},
        {"-addexplore", "-addexplore Explore"},
        {"-onlyfolders", "-onlyfolders Explore"},
        {"-addopenall", "-addopenall \"Open all\""},
        {"-menusforshortcutstofolders", "-menusforshortcutstofolders Unavailable"},
        {"-dotitleimages", "-dotitleimages folder.jpg"},
        {"-useinifile", "-useinifile trellimond.ini"},
    };
    for (const auto& pair : cases)
        EXPECT_EQ(trm::firstDifference(parsedAlone(pair[0]), parsedAlone(pair[1])), "") << pair[1];
}

TEST(SettingsFilterLists, ClearFilterListsEmptiesOnlyTheFiveFilters) {
    Settings s;
    s.showonly = {".txt"};
    s.removeext = {".htm"};
    s.block = {"thumbs"};
    s.blockextensions = {".db"};
    s.blockfolders = {"tmp"};
    s.separatorbefore = {"x"};
    s.addopenallextensions = {".mp3"};
    s.clearFilterLists();
    EXPECT_TRUE(s.showonly.empty());
    EXPECT_TRUE(s.removeext.empty());
    EXPECT_TRUE(s.block.empty());
    EXPECT_TRUE(s.blockextensions.empty());
    EXPECT_TRUE(s.blockfolders.empty());
    EXPECT_EQ(s.separatorbefore.size(), 1u);
    EXPECT_EQ(s.addopenallextensions.size(), 1u);
}

// Neither a keyword's beginning nor a longer word is that keyword.
TEST(KeywordMatching, WholeLengthWithoutRegardToCase) {
    EXPECT_EQ(static_cast<int>(parsedAlone("-sor 2").sort), 0);
    EXPECT_EQ(static_cast<int>(parsedAlone("/sortx 2").sort), 0);
    EXPECT_EQ(parsedAlone("-DoThumbnailsOnTooltipSizeX 100").dothumbnailsontooltipsizex, 100);
    EXPECT_EQ(parsedAlone("-dothumbnailsontooltip 100").dothumbnailsontooltipsizex, 320);
    EXPECT_TRUE(parsedAlone("-SEPARATORBETWEENFILESANDFOLDERS").separatorbetweenfilesandfolders);
    EXPECT_FALSE(parsedAlone("-separatorbetweenfilesandfolder").separatorbetweenfilesandfolders);
}

TEST(NumberReading, ReadsLikeTheCRuntimeWithoutOverflow) {
    EXPECT_EQ(trm::readNumber("42"), 42);
    EXPECT_EQ(trm::readNumber("  \t-17xyz"), -17);
    EXPECT_EQ(trm::readNumber("+8"), 8);
    EXPECT_EQ(trm::readNumber("abc"), 0);
    EXPECT_EQ(trm::readNumber(""), 0);
    EXPECT_EQ(trm::readNumber("- 5"), 0);
    EXPECT_EQ(trm::readNumber("12 34"), 12);
    EXPECT_EQ(trm::readNumber(std::string(10000, '9')), 2147483647);
    EXPECT_EQ(trm::readNumber("-" + std::string(10000, '9')), -2147483647 - 1);
    EXPECT_EQ(trm::readNumber("-2147483648"), -2147483647 - 1);
}

TEST_F(OptionParserTest, FolderThenSortShowsTheFolderSortedReversed) {
    parse("C:\\Stuff -sort 2 -revsort 2");
    EXPECT_EQ(paths.current, "C:\\Stuff");
    EXPECT_EQ(settings.previousdirectory, "C:\\Start");
    EXPECT_EQ(static_cast<int>(settings.sort), 2);
    EXPECT_TRUE(settings.revsort);
}

TEST_F(OptionParserTest, APathAfterAValueKeywordIsThatKeywordsValue) {
    parse("-sort 2 C:\\Stuff");
    EXPECT_EQ(static_cast<int>(settings.sort), 0);
    EXPECT_TRUE(paths.changes.empty());
    EXPECT_TRUE(settings.previousdirectory.empty());
}

TEST_F(OptionParserTest, APathAfterASwitchOnlyKeywordIsStillAPath) {
    parse("-resolve C:\\Stuff");
    EXPECT_TRUE(settings.resolve);
    EXPECT_EQ(paths.current, "C:\\Stuff");
}

TEST_F(OptionParserTest, KeywordsTakingValuesSwallowAFollowingPath) {
    parse("-onlyfolders C:\\Stuff");
    EXPECT_TRUE(settings.onlyfolders);
    EXPECT_TRUE(settings.addexplore);
    EXPECT_EQ(settings.addexploretext, "C:\\Stuff");
    EXPECT_TRUE(paths.changes.empty());

    Settings other;
    FakePathProbe otherPaths;
    otherPaths.directories = {"C:\\Stuff"};
    OptionParser parser(other, otherPaths, false);
    trm::parseArguments(trm::splitCommandLine("x -dieonmouseout C:\\Stuff"), parser);
    EXPECT_TRUE(other.dieonmouseout);
    EXPECT_EQ(other.dieonmouseouttime, 0);
    EXPECT_TRUE(otherPaths.changes.empty());
}

TEST_F(OptionParserTest, SwitchesMayUseSlashOrAnyCase) {
    parse("-SORT 3");
    EXPECT_EQ(static_cast<int>(settings.sort), 3);
    parse("/sort 4");
    EXPECT_EQ(static_cast<int>(settings.sort), 4);
}

TEST_F(OptionParserTest, AnUnknownKeywordLeavesThePreviousOnePending) {
    parse("-sort 1 -sorting 3");
    EXPECT_EQ(static_cast<int>(settings.sort), 3);
    parse("-sorting 5");  // nothing pending in a fresh parser
    EXPECT_EQ(static_cast<int>(settings.sort), 3);
}

TEST_F(OptionParserTest, EveryValueAfterAKeywordIsAppliedToIt) {
    parse("-block a b c");
    EXPECT_EQ(settings.block, (std::vector<std::string>{"a", "b", "c"}));
}

TEST_F(OptionParserTest, TheLastArgumentClearsThePendingKeyword) {
    OptionParser parser(settings, paths, false);
    parser.ParseParam("sort", true, false);
    EXPECT_EQ(parser.pendingKeyword, 1);
    parser.ParseParam("2", false, true);
    EXPECT_EQ(parser.pendingKeyword, 0);
    parser.ParseParam("C:\\Stuff", false, true);
    EXPECT_EQ(static_cast<int>(settings.sort), 2);
    EXPECT_EQ(paths.current, "C:\\Stuff");
}

TEST_F(OptionParserTest, PathCandidatesNeedADriveAndMoreThanThreeCharacters) {
    parse("C:\\");
    parse("Stuff");
    parse("\\\\server\\share");
    parse("C:Stuff");
    EXPECT_TRUE(paths.changes.empty());
    EXPECT_TRUE(settings.shiftrun.empty());
}

TEST_F(OptionParserTest, AFilePathIsOpenedDirectlyWithOrWithoutShift) {
    parse("C:\\Stuff\\readme.txt");
    EXPECT_EQ(settings.shiftrun, "C:\\Stuff\\readme.txt");
    EXPECT_EQ(settings.revshiftrun, "C:\\Stuff\\readme.txt");
    EXPECT_TRUE(paths.changes.empty());
}

TEST_F(OptionParserTest, TwoFoldersShowTheSecondAndRememberTheFirst) {
    parse("C:\\Stuff C:\\Other");
    EXPECT_EQ(paths.current, "C:\\Other");
    EXPECT_EQ(settings.previousdirectory, "C:\\Stuff");
}

TEST_F(OptionParserTest, ShowonlyAndRemoveextGetALeadingDot) {
    parse("-showonly txt .doc -removeext htm");
    EXPECT_EQ(settings.showonly, (std::vector<std::string>{".txt", ".doc"}));
    EXPECT_EQ(settings.removeext, (std::vector<std::string>{".htm"}));
}

TEST_F(OptionParserTest, BlockSplitsNamesFromExtensions) {
    parse("-block thumbs .db *.tmp *");
    EXPECT_EQ(settings.block, (std::vector<std::string>{"thumbs"}));
    EXPECT_EQ(settings.blockextensions, (std::vector<std::string>{".db", ".tmp", ""}));
}

TEST_F(OptionParserTest, DisplayTakesNumbersAndWords) {
    parse("-display 3 xp flat rounded nobackground nooutline bogus");
    EXPECT_EQ(settings.display, 3);
    EXPECT_TRUE(settings.displayxp);
    EXPECT_TRUE(settings.displayflat);
    EXPECT_TRUE(settings.displayrounded);
    EXPECT_FALSE(settings.displaybackground);
    EXPECT_FALSE(settings.displayoutline);
    parse("-display XP 4x");
    EXPECT_EQ(settings.display, 4);
}

TEST_F(OptionParserTest, TitleWords) {
    parse("-dotitles usedrivenames clicktoopenfolder GRADIENT nobackground nooutline left");
    EXPECT_TRUE(settings.dotitles);
    EXPECT_TRUE(settings.dotitlesusedrivenames);
    EXPECT_TRUE(settings.dotitlesclicktoopenfolder);
    EXPECT_TRUE(settings.dotitlesgradient);
    EXPECT_FALSE(settings.dotitlesbackground);
    EXPECT_FALSE(settings.dotitlesoutline);
    EXPECT_TRUE(settings.dotitlesleft);
}

TEST_F(OptionParserTest, TransparentClampsAndNegativeTurnsItOff) {
    parse("-transparent 150");
    EXPECT_TRUE(settings.transparent);
    EXPECT_EQ(settings.transparentlevel, 99);
    parse("-transparent \" -5\"");
    EXPECT_FALSE(settings.transparent);
    EXPECT_EQ(settings.transparentlevel, -5);
    parse("-transparent 40");
    EXPECT_TRUE(settings.transparent);
    EXPECT_EQ(settings.transparentlevel, 40);
}

TEST_F(OptionParserTest, AValueBeginningWithADashIsAKeyword) {
    parse("-waittodietime -5");
    EXPECT_EQ(settings.waittodietime, 0);
}

TEST_F(OptionParserTest, ThumbnailSizesTurnThumbnailsOnOnlyForNumbers) {
    parse("-dothumbnailsontooltipsizex big");
    EXPECT_FALSE(settings.dothumbnailsontooltip);
    EXPECT_EQ(settings.dothumbnailsontooltipsizex, 320);
    parse("-dothumbnailsontooltipsizex 0");
    EXPECT_TRUE(settings.dothumbnailsontooltip);
    EXPECT_EQ(settings.dothumbnailsontooltipsizex, 0);
    parse("-dothumbnailsontooltipsizey 100 -dothumbnailsontooltipsizey \" -5\"");
    EXPECT_EQ(settings.dothumbnailsontooltipsizey, 100);
}

TEST_F(OptionParserTest, ImageReductionIgnoresZeroAndNegatives) {
    parse("-imagereductionx 0 -imagereductiony none");
    EXPECT_EQ(settings.imagereductionx, 1);
    EXPECT_EQ(settings.imagereductiony, 1);
    parse("-imagereductionx 3 -imagereductiony 2 -imagereductionx \" -2\"");
    EXPECT_EQ(settings.imagereductionx, 3);
    EXPECT_EQ(settings.imagereductiony, 2);
}

TEST_F(OptionParserTest, AddexplorePositionAndText) {
    parse("-addexplore top Browse");
    EXPECT_TRUE(settings.addexplore);
    EXPECT_EQ(settings.addexploreposition, trm::SpecialEntryPosition::Top);
    EXPECT_EQ(settings.addexploretext, "Browse");
    parse("-addexplore AbsoluteBottom");
    EXPECT_EQ(settings.addexploreposition, trm::SpecialEntryPosition::AbsoluteBottom);
    parse("-addexplore \"\"");
    EXPECT_EQ(settings.addexploreposition, trm::SpecialEntryPosition::Default);
    EXPECT_EQ(settings.addexploretext, "Browse");
}

TEST_F(OptionParserTest, AddopenallExtensionsWordsAndText) {
    parse("-addopenall *.mp3 .wav hidefilesfrommenu absolutetop Play .WAV");
    EXPECT_TRUE(settings.addopenall);
    EXPECT_EQ(settings.addopenallextensions, (std::vector<std::string>{".mp3", ".wav"}));
    EXPECT_TRUE(settings.addopenallhidefilesfrommenu);
    EXPECT_EQ(settings.addopenallposition, trm::SpecialEntryPosition::AbsoluteTop);
    EXPECT_EQ(settings.addopenalltext, "Play");
    parse("-addopenall x*.ogg");  // not an extension: it begins with neither * nor .
    EXPECT_EQ(settings.addopenalltext, "x*.ogg");
}

TEST_F(OptionParserTest, FolderTitlesComeInPairs) {
    parse("-foldertitle C:\\Stuff\\Games Games C:\\Stuff\\Tools Tools C:\\Half");
    ASSERT_EQ(settings.foldertitle.size(), 3u);
    EXPECT_EQ(settings.foldertitle[0], std::make_pair(std::string("C:\\Stuff\\Games"), std::string("Games")));
    EXPECT_EQ(settings.foldertitle[1], std::make_pair(std::string("C:\\Stuff\\Tools"), std::string("Tools")));
    EXPECT_EQ(settings.foldertitle[2], std::make_pair(std::string("C:\\Half"), std::string()));
    EXPECT_TRUE(paths.changes.empty());
}

TEST_F(OptionParserTest, AlignmentWords) {
    parse("-menuxalignment left -menuyalignment bottom");
    EXPECT_EQ(settings.menuxalignment, trm::MenuXAlignment::Left);
    EXPECT_EQ(settings.menuyalignment, trm::MenuYAlignment::Bottom);
    parse("-menuxalignment middle -menuyalignment 3");
    EXPECT_EQ(settings.menuxalignment, trm::MenuXAlignment::Left);
    EXPECT_EQ(settings.menuyalignment, trm::MenuYAlignment::Bottom);
    parse("-menuxalignment RIGHT -menuyalignment Top");
    EXPECT_EQ(settings.menuxalignment, trm::MenuXAlignment::Right);
    EXPECT_EQ(settings.menuyalignment, trm::MenuYAlignment::Top);
}

TEST_F(OptionParserTest, ThemeWords) {
    EXPECT_EQ(settings.theme, trm::Theme::System);
    parse("-theme DARK");
    EXPECT_EQ(settings.theme, trm::Theme::Dark);
    parse("-theme grey");
    EXPECT_EQ(settings.theme, trm::Theme::Dark) << "an unknown word leaves the theme";
    parse("-theme light");
    EXPECT_EQ(settings.theme, trm::Theme::Light);
}

TEST_F(OptionParserTest, TitleImageWords) {
    parse("-dotitleimages usefirst noclick cover.bmp");
    EXPECT_TRUE(settings.dotitleimages);
    EXPECT_TRUE(settings.dotitleimagesusefirst);
    EXPECT_TRUE(settings.dotitleimagesnoclick);
    EXPECT_EQ(settings.dotitleimagesfile, "cover.bmp");
}

TEST_F(OptionParserTest, StringAndListValues) {
    parse(
        "-shiftrun a -revshiftrun b -blockfolders tmp -startdirectory D:\\Music -makepretty 3 "
        "-maxmenuwidth 300 -appearatx 10 -appearaty 20 -menusforshortcutstofolders Gone "
        "-separatorbefore s1 -separatorafter s2 -barbreakbefore b1 -barbreakafter b2 -waittodietime 3000");
    EXPECT_EQ(settings.shiftrun, "a");
    EXPECT_EQ(settings.revshiftrun, "b");
    EXPECT_EQ(settings.blockfolders, (std::vector<std::string>{"tmp"}));
    EXPECT_EQ(settings.startdirectory, "D:\\Music");
    EXPECT_EQ(settings.makepretty, 3);
    EXPECT_EQ(settings.maxmenuwidth, 300);
    EXPECT_TRUE(settings.appearatxset);
    EXPECT_TRUE(settings.appearatyset);
    EXPECT_EQ(settings.appearatx, 10);
    EXPECT_EQ(settings.appearaty, 20);
    EXPECT_TRUE(settings.menusforshortcutstofolders);
    EXPECT_EQ(settings.unavailabletext, "Gone");
    EXPECT_EQ(settings.separatorbefore, (std::vector<std::string>{"s1"}));
    EXPECT_EQ(settings.separatorafter, (std::vector<std::string>{"s2"}));
    EXPECT_EQ(settings.barbreakbefore, (std::vector<std::string>{"b1"}));
    EXPECT_EQ(settings.barbreakafter, (std::vector<std::string>{"b2"}));
    EXPECT_EQ(settings.waittodietime, 3000);
    EXPECT_TRUE(paths.changes.empty());
    parse("-makepretty 4");
    EXPECT_EQ(settings.makepretty, 3) << "a number outside 0-3 is ignored";
}

TEST_F(OptionParserTest, PlainSwitches) {
    parse(
        "-removeallext -resolve -appearwhererun -onlyfiles -iconsforfolders -noshowhidden -onlyonemenu "
        "-foldersatbottom -noavailablecheck -dothumbnailsontooltip -separatorbetweenfilesandfolders "
        "-dieonmouseout -useinifile");
    EXPECT_TRUE(settings.removeallext);
    EXPECT_TRUE(settings.resolve);
    EXPECT_TRUE(settings.appearwhererun);
    EXPECT_TRUE(settings.onlyfiles);
    EXPECT_TRUE(settings.iconsforfolders);
    EXPECT_TRUE(settings.noshowhidden);
    EXPECT_TRUE(settings.onlyonemenu);
    EXPECT_TRUE(settings.foldersatbottom);
    EXPECT_TRUE(settings.noavailablecheck);
    EXPECT_TRUE(settings.dothumbnailsontooltip);
    EXPECT_TRUE(settings.separatorbetweenfilesandfolders);
    EXPECT_TRUE(settings.dieonmouseout);
    EXPECT_TRUE(settings.useinifile);
    EXPECT_FALSE(settings.addexplore);
}

// An options file read at every start names no other file and writes no
// shortcuts; what follows them is read.
TEST_F(OptionParserTest, OptionsFileNameAndMakeshortcutOnlyFromTheCommandLine) {
    parse("-useinifile myopts.txt");
    parse("-useinifile other.txt -makeshortcut D:\\Links -sort 2", true);
    EXPECT_EQ(settings.useinifilename, "myopts.txt");
    EXPECT_TRUE(settings.useinifile);
    EXPECT_FALSE(settings.makeshortcut);
    EXPECT_EQ(settings.makeshortcutpath, "");
    EXPECT_EQ(settings.sort, trm::SortKey::NameNoCase);
    parse("C:\\Stuff -makeshortcut D:\\Links");
    EXPECT_TRUE(settings.makeshortcut);
    EXPECT_EQ(settings.makeshortcutpath, "D:\\Links");
}

TEST_F(OptionParserTest, HugeAndOddArgumentsAreHarmless) {
    const std::string huge(10000, 'x');
    const std::string high = "\xE9\xFF\x80\xC3\xA9";
    const std::string longPath = "C:\\" + std::string(300, 'p');
    parse(longPath + " -" + huge + " " + huge + " -block " + huge + high + " -sort " + std::string(10000, '7'));
    EXPECT_EQ(settings.shiftrun, longPath);
    ASSERT_EQ(settings.block.size(), 1u);
    EXPECT_EQ(settings.block[0], huge + high);
    EXPECT_EQ(static_cast<int>(settings.sort), 2147483647);

    Settings odd;
    FakePathProbe oddPaths;
    OptionParser parser(odd, oddPaths, false);
    trm::parseArguments(trm::splitCommandLine("x \"\" - / -- \"-\" -\xFF"), parser);
    EXPECT_EQ(parser.pendingKeyword, 0);
    EXPECT_TRUE(oddPaths.changes.empty());
    EXPECT_TRUE(odd.shiftrun.empty());
}

TEST_F(OptionParserTest, ALongPathIsAFileToOpenWhenItIsNoFolder) {
    const std::string longPath = "C:\\" + std::string(400, 'a') + "\\file.txt";
    parse("\"" + longPath + "\"");
    EXPECT_EQ(settings.shiftrun, longPath);
}

// Showing the folder the process happens to be in would list the wrong files.
TEST_F(OptionParserTest, AFolderThatCannotBeEnteredIsOpenedInstead) {
    const std::string deep = "C:\\" + std::string(300, 'd');
    paths.directories = {deep, "C:\\Stuff"};
    paths.unenterable = {deep};
    parse("C:\\Stuff \"" + deep + "\"");
    EXPECT_EQ(settings.shiftrun, deep);
    EXPECT_EQ(settings.revshiftrun, deep);
    EXPECT_EQ(paths.current, "C:\\Stuff");
    EXPECT_EQ(settings.previousdirectory, "C:\\Start");
}

}  // namespace
