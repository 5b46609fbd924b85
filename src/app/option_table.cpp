#include "app/option_table.h"

#include <utility>

#include "common/ascii.h"

namespace trm {

OptionRow OptionRow::switching(bool Settings::*flag) const {
    OptionRow row = *this;
    row.switches.push_back(flag);
    return row;
}

OptionRow OptionRow::marking(bool Settings::*flag) const {
    OptionRow row = *this;
    row.marked = flag;
    return row;
}

OptionRow OptionRow::with(std::vector<OptionWord> more) const {
    OptionRow row = *this;
    row.words.insert(row.words.end(), more.begin(), more.end());
    return row;
}

OptionRow OptionRow::also(SettingField second) const {
    OptionRow row = *this;
    row.extra = second;
    return row;
}

OptionRow OptionRow::within(int low, int high) const {
    OptionRow row = *this;
    row.least = low;
    row.most = high;
    return row;
}

OptionRow OptionRow::onCommandLineOnly() const {
    OptionRow row = *this;
    row.commandLineOnly = true;
    return row;
}

namespace {

OptionRow row(const char* keyword, Takes takes, SettingField field = {}) {
    OptionRow made;
    made.keyword = keyword;
    made.takes = takes;
    made.field = field;
    return made;
}

// A keyword that only switches something on.
OptionRow flag(const char* keyword, bool Settings::*field) {
    return row(keyword, Takes::Nothing).switching(field);
}

template <class T>
OptionWord word(const char* text, T Settings::*field, T value) {
    return OptionWord{text, field, static_cast<int>(value)};
}

// The empty value is a position word too: it puts the entry back in its place.
std::vector<OptionWord> positionWords(SpecialEntryPosition Settings::*field) {
    return {word("", field, SpecialEntryPosition::Default), word("top", field, SpecialEntryPosition::Top),
            word("bottom", field, SpecialEntryPosition::Bottom),
            word("absolutetop", field, SpecialEntryPosition::AbsoluteTop),
            word("absolutebottom", field, SpecialEntryPosition::AbsoluteBottom)};
}

using S = Settings;

// Row order matters: the row number is what pendingKeyword keeps.
std::vector<OptionRow> makeTable() {
    return {
        row("sort", Takes::Number, &S::sort),
        row("revsort", Takes::Number, &S::sort).marking(&S::revsort),
        row("showonly", Takes::Extension, &S::showonly),
        row("removeext", Takes::Extension, &S::removeext),
        flag("removeallext", &S::removeallext),
        row("display", Takes::NumberOrWords, &S::display)
            .with({word("xp", &S::displayxp, true), word("flat", &S::displayflat, true),
                   word("rounded", &S::displayrounded, true), word("nobackground", &S::displaybackground, false),
                   word("nooutline", &S::displayoutline, false)}),
        flag("resolve", &S::resolve),
        row("makepretty", Takes::Number, &S::makepretty).within(0, 3),
        flag("appearwhererun", &S::appearwhererun),
        row("shiftrun", Takes::Text, &S::shiftrun),
        row("revshiftrun", Takes::Text, &S::revshiftrun),
        row("appearatx", Takes::Number, &S::appearatx).marking(&S::appearatxset),
        row("appearaty", Takes::Number, &S::appearaty).marking(&S::appearatyset),
        row("block", Takes::Block, &S::block).also(&S::blockextensions),
        row("blockfolders", Takes::List, &S::blockfolders),
        row("onlyfolders", Takes::Text, &S::addexploretext).switching(&S::onlyfolders).switching(&S::addexplore),
        flag("onlyfiles", &S::onlyfiles),
        row("waittodietime", Takes::Number, &S::waittodietime),
        row("dotitles", Takes::Words)
            .switching(&S::dotitles)
            .with({word("usedrivenames", &S::dotitlesusedrivenames, true),
                   word("clicktoopenfolder", &S::dotitlesclicktoopenfolder, true),
                   word("gradient", &S::dotitlesgradient, true), word("nobackground", &S::dotitlesbackground, false),
                   word("nooutline", &S::dotitlesoutline, false), word("left", &S::dotitlesleft, true)}),
        row("transparent", Takes::Transparency, &S::transparentlevel).marking(&S::transparent),
        row("dieonmouseout", Takes::Number, &S::dieonmouseouttime).switching(&S::dieonmouseout),
        row("menusforshortcutstofolders", Takes::Text, &S::unavailabletext).switching(&S::menusforshortcutstofolders),
        row("addexplore", Takes::WordsOrText, &S::addexploretext)
            .switching(&S::addexplore)
            .with(positionWords(&S::addexploreposition)),
        flag("iconsforfolders", &S::iconsforfolders),
        flag("noshowhidden", &S::noshowhidden),
        row("maxmenuwidth", Takes::Number, &S::maxmenuwidth),
        row("menuxalignment", Takes::Words)
            .with({word("centre", &S::menuxalignment, MenuXAlignment::Centre),
                   word("left", &S::menuxalignment, MenuXAlignment::Left),
                   word("right", &S::menuxalignment, MenuXAlignment::Right)}),
        row("menuyalignment", Takes::Words)
            .with({word("centre", &S::menuyalignment, MenuYAlignment::Centre),
                   word("top", &S::menuyalignment, MenuYAlignment::Top),
                   word("bottom", &S::menuyalignment, MenuYAlignment::Bottom)}),
        flag("onlyonemenu", &S::onlyonemenu),
        flag("foldersatbottom", &S::foldersatbottom),
        flag("noavailablecheck", &S::noavailablecheck),
        row("dotitleimages", Takes::WordsOrText, &S::dotitleimagesfile)
            .switching(&S::dotitleimages)
            .with({word("usefirst", &S::dotitleimagesusefirst, true), word("noclick", &S::dotitleimagesnoclick, true)}),
        row("addopenall", Takes::OpenAll, &S::addopenalltext)
            .switching(&S::addopenall)
            .with(positionWords(&S::addopenallposition))
            .with({word("hidefilesfrommenu", &S::addopenallhidefilesfrommenu, true)})
            .also(&S::addopenallextensions),
        flag("dothumbnailsontooltip", &S::dothumbnailsontooltip),
        row("dothumbnailsontooltipsizex", Takes::ThumbnailSize, &S::dothumbnailsontooltipsizex)
            .marking(&S::dothumbnailsontooltip)
            .within(0, INT_MAX),
        row("dothumbnailsontooltipsizey", Takes::ThumbnailSize, &S::dothumbnailsontooltipsizey)
            .marking(&S::dothumbnailsontooltip)
            .within(0, INT_MAX),
        row("useinifile", Takes::OptionsFileName, &S::useinifilename).switching(&S::useinifile),
        row("imagereductionx", Takes::Number, &S::imagereductionx).within(1, INT_MAX),
        row("imagereductiony", Takes::Number, &S::imagereductiony).within(1, INT_MAX),
        row("foldertitle", Takes::FolderTitle, &S::foldertitle),
        flag("separatorbetweenfilesandfolders", &S::separatorbetweenfilesandfolders),
        row("separatorbefore", Takes::List, &S::separatorbefore),
        row("separatorafter", Takes::List, &S::separatorafter),
        row("barbreakbefore", Takes::List, &S::barbreakbefore),
        row("barbreakafter", Takes::List, &S::barbreakafter),
        row("startdirectory", Takes::Text, &S::startdirectory),
        row("theme", Takes::Words)
            .with({word("system", &S::theme, Theme::System), word("light", &S::theme, Theme::Light),
                   word("dark", &S::theme, Theme::Dark)}),
        flag("nodrag", &S::nodrag),
        // An options file is read at every start: it must not write shortcuts.
        row("makeshortcut", Takes::Text, &S::makeshortcutpath).switching(&S::makeshortcut).onCommandLineOnly(),
    };
}

}  // namespace

const std::vector<OptionRow>& optionTable() {
    static const std::vector<OptionRow> table = makeTable();
    return table;
}

int keywordRow(const std::string& keyword) {
    const std::vector<OptionRow>& table = optionTable();
    for (size_t i = 0; i < table.size(); ++i)
        if (equalsNoCase(keyword, table[i].keyword)) return static_cast<int>(i) + 1;
    return 0;
}

const char* keywordName(int row) {
    const std::vector<OptionRow>& table = optionTable();
    return row >= 1 && static_cast<size_t>(row) <= table.size() ? table[row - 1].keyword : nullptr;
}

const std::vector<std::pair<std::string, SettingField>>& optionFields() {
    static const std::vector<std::pair<std::string, SettingField>> fields = [] {
        std::vector<std::pair<std::string, SettingField>> found;
        const auto add = [&found](const char* keyword, const SettingField& field) {
            if (std::holds_alternative<std::monostate>(field)) return;
            for (const auto& known : found)
                if (known.second == field) return;
            found.emplace_back(keyword, field);
        };
        for (const OptionRow& row : optionTable()) {
            for (bool Settings::*flag : row.switches) add(row.keyword, flag);
            if (row.marked) add(row.keyword, row.marked);
            add(row.keyword, row.field);
            add(row.keyword, row.extra);
            for (const OptionWord& word : row.words) add(row.keyword, word.field);
        }
        return found;
    }();
    return fields;
}

}  // namespace trm
