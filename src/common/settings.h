// Every option value of the launcher, one field per keyword. Written by the
// option parsers at start, read everywhere else.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace trm {

// Where the menu sits beside its anchor point. The numbers are the
// TrackPopupMenu alignment flags, which the popup run hands on as they are.
enum class MenuXAlignment { Left = 0, Centre = 4, Right = 8 };
enum class MenuYAlignment { Top = 0, Centre = 16, Bottom = 32 };

// -theme: the colours of the menus.
enum class Theme { System, Light, Dark };

// Where the Explore and Open-all entries go.
enum class SpecialEntryPosition { Default, Top, Bottom, AbsoluteTop, AbsoluteBottom };

// -sort: the numbers the user types. Any other number is kept as typed and
// leaves the folder's own order, reversed or not.
enum class SortKey : int {
    Created = 0,
    Accessed = 1,
    NameNoCase = 2,
    NameBytes = 3,
    ExtensionNoCase = 4,
    ExtensionBytes = 5,
};

using StringList = std::vector<std::string>;
using StringPairList = std::vector<std::pair<std::string, std::string>>;

struct Settings {
    SortKey sort = SortKey::Created;
    bool revsort = false;
    int display = 0;
    bool resolve = false;
    bool appearwhererun = false;
    bool appearatxset = false;
    bool appearatyset = false;
    MenuXAlignment menuxalignment = MenuXAlignment::Centre;
    MenuYAlignment menuyalignment = MenuYAlignment::Centre;
    bool onlyonemenu = false;
    bool foldersatbottom = false;
    bool noavailablecheck = false;
    int appearatx = 0;
    int appearaty = 0;
    bool onlyfolders = false;
    bool onlyfiles = false;
    bool addexplore = false;
    std::string addexploretext = "Explore";
    SpecialEntryPosition addexploreposition = SpecialEntryPosition::Default;
    bool addopenall = false;
    SpecialEntryPosition addopenallposition = SpecialEntryPosition::Default;
    std::string addopenalltext = "Open all";
    bool addopenallhidefilesfrommenu = false;
    StringList addopenallextensions;
    bool displayxp = false;
    bool displayflat = false;
    bool displayrounded = false;
    bool displaybackground = true;
    bool displayoutline = true;
    bool dotitles = false;
    bool dotitlesusedrivenames = false;
    bool dotitlesclicktoopenfolder = false;
    bool dotitlesgradient = false;
    bool dotitlesbackground = true;
    bool dotitlesoutline = true;
    bool dotitlesleft = false;
    bool dotitleimages = false;
    bool dotitleimagesnoclick = false;
    std::string dotitleimagesfile = "folder.jpg";
    bool dotitleimagesusefirst = false;
    bool transparent = false;
    int transparentlevel = 0;
    bool dothumbnailsontooltip = false;
    int dothumbnailsontooltipsizex = 320;
    int dothumbnailsontooltipsizey = 240;
    bool useinifile = false;
    std::string useinifilename = "trellimond.ini";
    int imagereductionx = 1;
    int imagereductiony = 1;
    StringPairList foldertitle;
    bool separatorbetweenfilesandfolders = false;
    StringList separatorbefore;
    StringList separatorafter;
    StringList barbreakbefore;
    StringList barbreakafter;
    bool dieonmouseout = false;
    int dieonmouseouttime = 0;
    bool menusforshortcutstofolders = false;
    std::string unavailabletext = "Unavailable";
    bool iconsforfolders = false;
    bool noshowhidden = false;
    int maxmenuwidth = -1;
    Theme theme = Theme::System;
    bool nodrag = false;
    std::string shiftrun;
    std::string revshiftrun;
    int makepretty = 0;
    StringList showonly;
    StringList removeext;
    bool removeallext = false;
    StringList block;
    StringList blockextensions;
    StringList blockfolders;
    std::string startdirectory;
    std::string previousdirectory;
    int waittodietime = 0;
    // -makeshortcut: write a shortcut for the folder instead of showing it,
    // to makeshortcutpath (a file or folder; empty for the desktop).
    bool makeshortcut = false;
    std::string makeshortcutpath;

    // No option sets this: it is true when the system runs the program in
    // the UTF-8 code page (the manifest honoured), so that every string,
    // file names and option values alike, is UTF-8.
    bool textIsUtf8 = false;

    // Empties the five filter lists; the popup run calls this when it ends.
    void clearFilterLists();
};

// The item looks that `display` selects: 1 and 2 icons only, 3 and 4 icons
// with text, anything else text only; 2 and 4 at the shell's icon size.
inline bool displaysIcons(const Settings& settings) {
    return settings.display >= 1 && settings.display <= 4;
}
inline bool displaysText(const Settings& settings) {
    return settings.display != 1 && settings.display != 2;
}
inline bool displaysShellSizeIcons(const Settings& settings) {
    return settings.display == 2 || settings.display == 4;
}

// Marker strings held in MenuEntry::command for the two command entries.
extern const char* const exploreMarker;  // "<explore>"
extern const char* const openAllMarker;  // "<openall>"

}  // namespace trm
