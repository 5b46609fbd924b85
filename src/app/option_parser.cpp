#include "app/option_parser.h"

#include <climits>
#include <initializer_list>

#include "app/path_probe.h"
#include "common/ascii.h"

namespace trm {

namespace {

// Row order matters: the row number is what pendingKeyword keeps.
const char* const keywords[] = {
    "sort",                             // 1
    "revsort",                          // 2
    "showonly",                         // 3
    "removeext",                        // 4
    "removeallext",                     // 5
    "display",                          // 6
    "resolve",                          // 7
    "makepretty",                       // 8
    "appearwhererun",                   // 9
    "shiftrun",                         // 10
    "revshiftrun",                      // 11
    "appearatx",                        // 12
    "appearaty",                        // 13
    "block",                            // 14
    "blockfolders",                     // 15
    "onlyfolders",                      // 16
    "onlyfiles",                        // 17
    "waittodietime",                    // 18
    "dotitles",                         // 19
    "transparent",                      // 20
    "dieonmouseout",                    // 21
    "menusforshortcutstofolders",       // 22
    "addexplore",                       // 23
    "iconsforfolders",                  // 24
    "noshowhidden",                     // 25
    "maxmenuwidth",                     // 26
    "menuxalignment",                   // 27
    "menuyalignment",                   // 28
    "onlyonemenu",                      // 29
    "foldersatbottom",                  // 30
    "noavailablecheck",                 // 31
    "dotitleimages",                    // 32
    "addopenall",                       // 33
    "dothumbnailsontooltip",            // 34
    "dothumbnailsontooltipsizex",       // 35
    "dothumbnailsontooltipsizey",       // 36
    "useinifile",                       // 37
    "imagereductionx",                  // 38
    "imagereductiony",                  // 39
    "foldertitle",                      // 40
    "separatorbetweenfilesandfolders",  // 41
    "separatorbefore",                  // 42
    "separatorafter",                   // 43
    "barbreakbefore",                   // 44
    "barbreakafter",                    // 45
    "startdirectory",                   // 46
    "theme",                            // 47
    "makeshortcut",                     // 48
};
constexpr int keywordCount = sizeof keywords / sizeof keywords[0];
static_assert(keywordCount == 48, "the keyword table has 48 rows");

enum Row {
    RowSort = 1,
    RowRevsort,
    RowShowonly,
    RowRemoveext,
    RowRemoveallext,
    RowDisplay,
    RowResolve,
    RowMakepretty,
    RowAppearwhererun,
    RowShiftrun,
    RowRevshiftrun,
    RowAppearatx,
    RowAppearaty,
    RowBlock,
    RowBlockfolders,
    RowOnlyfolders,
    RowOnlyfiles,
    RowWaittodietime,
    RowDotitles,
    RowTransparent,
    RowDieonmouseout,
    RowMenusforshortcutstofolders,
    RowAddexplore,
    RowIconsforfolders,
    RowNoshowhidden,
    RowMaxmenuwidth,
    RowMenuxalignment,
    RowMenuyalignment,
    RowOnlyonemenu,
    RowFoldersatbottom,
    RowNoavailablecheck,
    RowDotitleimages,
    RowAddopenall,
    RowDothumbnailsontooltip,
    RowDothumbnailsontooltipsizex,
    RowDothumbnailsontooltipsizey,
    RowUseinifile,
    RowImagereductionx,
    RowImagereductiony,
    RowFoldertitle,
    RowSeparatorbetweenfilesandfolders,
    RowSeparatorbefore,
    RowSeparatorafter,
    RowBarbreakbefore,
    RowBarbreakafter,
    RowStartdirectory,
    RowTheme,
    RowMakeshortcut,
};

std::string withLeadingDot(const std::string& value) {
    return (!value.empty() && value[0] == '.') ? value : "." + value;
}

// Position words of the Explore and Open-all entries; -1 when value is none.
int positionWord(const std::string& value) {
    if (value.empty()) return PositionDefault;
    if (equalsNoCase(value, "top")) return PositionTop;
    if (equalsNoCase(value, "bottom")) return PositionBottom;
    if (equalsNoCase(value, "absolutetop")) return PositionAbsoluteTop;
    if (equalsNoCase(value, "absolutebottom")) return PositionAbsoluteBottom;
    return -1;
}

struct Word {
    const char* text;
    int value;
};

// The value of the word `value` is (A-Z folded) goes to `target`; any other
// word leaves it as it was.
void takeWord(const std::string& value, std::initializer_list<Word> words, int& target) {
    for (const Word& word : words)
        if (equalsNoCase(value, word.text)) {
            target = word.value;
            return;
        }
}

}  // namespace

bool isPathCandidate(const std::string& value) {
    return value.size() > 3 && value[1] == ':' && value[2] == '\\';
}

int keywordRow(const std::string& keyword) {
    for (int i = 0; i < keywordCount; ++i)
        if (equalsNoCase(keyword, keywords[i])) return i + 1;
    return 0;
}

const char* keywordName(int row) {
    return row >= 1 && row <= keywordCount ? keywords[row - 1] : nullptr;
}

int readNumber(const std::string& text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1) value = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative) value = -value;
    if (value > INT_MAX) return INT_MAX;
    return static_cast<int>(value);
}

OptionParser::OptionParser(Settings& settings, PathProbe& paths, bool fromOptionsFile)
    : settings_(settings), paths_(paths), fromOptionsFile_(fromOptionsFile) {}

OptionParser::~OptionParser() = default;

void OptionParser::ParseParam(const char* param, bool isSwitch, bool isLast) {
    const std::string text = param ? param : "";
    if (isSwitch) {
        if (const int row = keywordRow(text)) pendingKeyword = row;
        if (pendingKeyword != 0) applySwitch(pendingKeyword);
    } else if (pendingKeyword == 0) {
        takePathCandidate(text);
    } else {
        applyValue(pendingKeyword, text);
    }
    if (isLast) pendingKeyword = 0;
}

void OptionParser::applySwitch(int row) {
    Settings& s = settings_;
    switch (row) {
        case RowRemoveallext: s.removeallext = true; break;
        case RowResolve: s.resolve = true; break;
        case RowAppearwhererun: s.appearwhererun = true; break;
        case RowOnlyfolders:
            s.onlyfolders = true;
            s.addexplore = true;
            break;
        case RowOnlyfiles: s.onlyfiles = true; break;
        case RowDotitles: s.dotitles = true; break;
        case RowDieonmouseout: s.dieonmouseout = true; break;
        case RowMenusforshortcutstofolders: s.menusforshortcutstofolders = true; break;
        case RowAddexplore: s.addexplore = true; break;
        case RowIconsforfolders: s.iconsforfolders = true; break;
        case RowNoshowhidden: s.noshowhidden = true; break;
        case RowOnlyonemenu: s.onlyonemenu = true; break;
        case RowFoldersatbottom: s.foldersatbottom = true; break;
        case RowNoavailablecheck: s.noavailablecheck = true; break;
        case RowDotitleimages: s.dotitleimages = true; break;
        case RowAddopenall: s.addopenall = true; break;
        case RowDothumbnailsontooltip: s.dothumbnailsontooltip = true; break;
        case RowUseinifile: s.useinifile = true; break;
        // An options file read at every start must not write shortcuts.
        case RowMakeshortcut:
            if (!fromOptionsFile_) s.makeshortcut = true;
            break;
        case RowSeparatorbetweenfilesandfolders: s.separatorbetweenfilesandfolders = true; break;
        default: break;  // keywords that only take values
    }
}

void OptionParser::applyValue(int row, const std::string& value) {
    Settings& s = settings_;
    switch (row) {
        case RowSort: s.sort = readNumber(value); break;
        case RowRevsort:
            s.sort = readNumber(value);
            s.revsort = true;
            break;
        case RowShowonly: s.showonly.push_back(withLeadingDot(value)); break;
        case RowRemoveext: s.removeext.push_back(withLeadingDot(value)); break;
        case RowDisplay:
            if (!value.empty() && value[0] >= '0' && value[0] <= '9')
                s.display = readNumber(value);
            else if (equalsNoCase(value, "xp"))
                s.displayxp = true;
            else if (equalsNoCase(value, "flat"))
                s.displayflat = true;
            else if (equalsNoCase(value, "rounded"))
                s.displayrounded = true;
            else if (equalsNoCase(value, "nobackground"))
                s.displaybackground = false;
            else if (equalsNoCase(value, "nooutline"))
                s.displayoutline = false;
            break;
        case RowMakepretty: s.makepretty = readNumber(value); break;
        case RowShiftrun: s.shiftrun = value; break;
        case RowRevshiftrun: s.revshiftrun = value; break;
        case RowAppearatx:
            s.appearatxset = true;
            s.appearatx = readNumber(value);
            break;
        case RowAppearaty:
            s.appearatyset = true;
            s.appearaty = readNumber(value);
            break;
        case RowBlock:
            if (!value.empty() && value[0] == '.')
                s.blockextensions.push_back(value);
            else if (!value.empty() && value[0] == '*')
                s.blockextensions.push_back(value.substr(1));
            else
                s.block.push_back(value);
            break;
        case RowBlockfolders: s.blockfolders.push_back(value); break;
        case RowOnlyfolders: s.addexploretext = value; break;
        case RowWaittodietime: s.waittodietime = readNumber(value); break;
        case RowDotitles:
            if (equalsNoCase(value, "usedrivenames"))
                s.dotitlesusedrivenames = true;
            else if (equalsNoCase(value, "clicktoopenfolder"))
                s.dotitlesclicktoopenfolder = true;
            else if (equalsNoCase(value, "gradient"))
                s.dotitlesgradient = true;
            else if (equalsNoCase(value, "nobackground"))
                s.dotitlesbackground = false;
            else if (equalsNoCase(value, "nooutline"))
                s.dotitlesoutline = false;
            else if (equalsNoCase(value, "left"))
                s.dotitlesleft = true;
            break;
        case RowTransparent: {
            const int level = readNumber(value);
            s.transparent = true;
            s.transparentlevel = level;
            if (level < 0) s.transparent = false;
            if (level > 99) s.transparentlevel = 99;
            break;
        }
        case RowDieonmouseout: s.dieonmouseouttime = readNumber(value); break;
        case RowMenusforshortcutstofolders: s.unavailabletext = value; break;
        case RowAddexplore: {
            const int position = positionWord(value);
            if (position >= 0)
                s.addexploreposition = position;
            else
                s.addexploretext = value;
            break;
        }
        case RowMaxmenuwidth: s.maxmenuwidth = readNumber(value); break;
        case RowMenuxalignment:
            takeWord(value, {{"centre", MenuXCentre}, {"left", MenuXLeft}, {"right", MenuXRight}}, s.menuxalignment);
            break;
        case RowMenuyalignment:
            takeWord(value, {{"centre", MenuYCentre}, {"top", MenuYTop}, {"bottom", MenuYBottom}}, s.menuyalignment);
            break;
        case RowDotitleimages:
            if (equalsNoCase(value, "usefirst"))
                s.dotitleimagesusefirst = true;
            else if (equalsNoCase(value, "noclick"))
                s.dotitleimagesnoclick = true;
            else
                s.dotitleimagesfile = value;
            break;
        case RowAddopenall: {
            const int position = positionWord(value);  // the empty value is a position word
            if (position >= 0)
                s.addopenallposition = position;
            else if (value[0] == '*' || value[0] == '.')
                addOpenAllExtension(value);
            else if (equalsNoCase(value, "hidefilesfrommenu"))
                s.addopenallhidefilesfrommenu = true;
            else
                s.addopenalltext = value;
            break;
        }
        case RowDothumbnailsontooltipsizex:
        case RowDothumbnailsontooltipsizey: {
            const int size = readNumber(value);
            if (size == 0 && value != "0") break;
            s.dothumbnailsontooltip = true;
            (row == RowDothumbnailsontooltipsizex ? s.dothumbnailsontooltipsizex : s.dothumbnailsontooltipsizey) = size;
            break;
        }
        case RowUseinifile:
            if (!fromOptionsFile_) s.useinifilename = value;
            break;
        case RowImagereductionx:
        case RowImagereductiony:
            if (const int divisor = readNumber(value))
                (row == RowImagereductionx ? s.imagereductionx : s.imagereductiony) = divisor;
            break;
        case RowFoldertitle: addFolderTitlePart(value); break;
        case RowSeparatorbefore: s.separatorbefore.push_back(value); break;
        case RowSeparatorafter: s.separatorafter.push_back(value); break;
        case RowBarbreakbefore: s.barbreakbefore.push_back(value); break;
        case RowBarbreakafter: s.barbreakafter.push_back(value); break;
        case RowStartdirectory: s.startdirectory = value; break;
        case RowMakeshortcut:
            if (!fromOptionsFile_) s.makeshortcutpath = value;
            break;
        case RowTheme:
            takeWord(value, {{"system", ThemeSystem}, {"light", ThemeLight}, {"dark", ThemeDark}}, s.theme);
            break;
        default:  // switch-only keywords: the value is a path candidate
            takePathCandidate(value);
            break;
    }
}

void OptionParser::takePathCandidate(const std::string& value) {
    if (!isPathCandidate(value)) return;
    if (paths_.isExistingDirectory(value)) {
        const std::string previous = paths_.currentDirectory();
        if (paths_.setCurrentDirectory(value)) {
            settings_.previousdirectory = previous;
            return;
        }
        // A folder that cannot be entered (a path too long for the system)
        // would leave another folder's contents on show: the shell opens it
        // instead, or says why it cannot.
    }
    settings_.shiftrun = value;
    settings_.revshiftrun = value;
}

void OptionParser::addOpenAllExtension(const std::string& value) {
    for (const std::string& known : settings_.addopenallextensions)
        if (equalsNoCase(known, value)) return;
    const size_t star = value.find('*');
    settings_.addopenallextensions.push_back(star == std::string::npos ? value : value.substr(star + 1));
}

void OptionParser::addFolderTitlePart(const std::string& value) {
    StringPairList& titles = settings_.foldertitle;
    if (titles.empty() || !titles.back().second.empty())
        titles.emplace_back(value, std::string());
    else
        titles.back().second = value;
}

}  // namespace trm
