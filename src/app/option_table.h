// The keyword table: every option, what it takes and the settings it fills.
// The parser, the keyword names and the sample file's test all read it, so
// an option is added by adding its row (and its effect where it is read).
#pragma once

#include <string>
#include <variant>
#include <vector>

#include "common/settings.h"

namespace trm {

// One field of Settings.
using SettingField =
    std::variant<std::monostate, bool Settings::*, int Settings::*, std::string Settings::*, StringList Settings::*,
                 StringPairList Settings::*, SortKey Settings::*, MenuXAlignment Settings::*,
                 MenuYAlignment Settings::*, SpecialEntryPosition Settings::*, Theme Settings::*>;

// What each value argument after a keyword does to the row's `field`.
enum class Takes {
    Nothing,        // the keyword is a switch only: a value is a path candidate
    Number,         // field = the number
    Text,           // field = the value
    List,           // the value appended to field
    Words,          // one of the row's words; any other value is ignored
    NumberOrWords,  // a value beginning with a digit is the number; any other one of the words
    WordsOrText,    // one of the words, or else field = the value
    // Values with rules of their own (OptionParser::applyValue):
    Extension,        // appended with a leading "."
    Block,            // extensions to `extra`, names to field
    Transparency,     // the level, clamped; below 0 clears the mark
    OpenAll,          // a word, an extension to `extra`, or else the text
    ThumbnailSize,    // only a number, or exactly "0"
    OptionsFileName,  // only from the command line
    Divisor,          // never 0
    FolderTitle,      // folder path and title in turn
};

// A value word: the field is set to `value` (a flag to value != 0, an enum to
// the member of that number).
struct OptionWord {
    const char* text;
    SettingField field;
    int value;
};

struct OptionRow {
    const char* keyword;
    Takes takes = Takes::Nothing;
    SettingField field;
    std::vector<OptionWord> words;
    std::vector<bool Settings::*> switches;  // set when the keyword itself is read
    bool Settings::*marked = nullptr;        // set by every value taken
    SettingField extra;                      // the second field of a rule

    OptionRow switching(bool Settings::*flag) const;
    OptionRow marking(bool Settings::*flag) const;
    OptionRow with(std::vector<OptionWord> more) const;
    OptionRow also(SettingField second) const;
};

// The rows in order; a keyword's 1-based place is its row number.
const std::vector<OptionRow>& optionTable();

// 1-based row of keyword (whole-length match, A-Z folded), or 0.
int keywordRow(const std::string& keyword);
// The keyword of a 1-based row, or nullptr past the table's end.
const char* keywordName(int row);

}  // namespace trm
