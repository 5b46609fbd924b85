#include "app/option_parser.h"

#include <climits>
#include <type_traits>

#include "app/path_probe.h"
#include "common/ascii.h"

namespace trm {

namespace {

// A number into a flag, a number or an enum; the enums keep whatever number
// was typed (an unknown sort leaves the folder's order).
void setNumber(Settings& settings, const SettingField& field, int number) {
    std::visit(
        [&](auto member) {
            if constexpr (!std::is_same<decltype(member), std::monostate>::value) {
                auto& target = settings.*member;
                using Target = std::decay_t<decltype(target)>;
                if constexpr (std::is_same<Target, bool>::value)
                    target = number != 0;
                else if constexpr (std::is_same<Target, int>::value || std::is_enum<Target>::value)
                    target = static_cast<Target>(number);
            }
        },
        field);
}

std::string& textField(Settings& settings, const SettingField& field) {
    return settings.*std::get<std::string Settings::*>(field);
}

StringList& listField(Settings& settings, const SettingField& field) {
    return settings.*std::get<StringList Settings::*>(field);
}

void mark(Settings& settings, const OptionRow& row) {
    if (row.marked) settings.*row.marked = true;
}

bool startsWithDigit(const std::string& value) {
    return !value.empty() && value[0] >= '0' && value[0] <= '9';
}

std::string withLeadingDot(const std::string& value) {
    return (!value.empty() && value[0] == '.') ? value : "." + value;
}

bool isPathCandidate(const std::string& value) {
    return value.size() > 3 && value[1] == ':' && value[2] == '\\';
}

void addOpenAllExtension(StringList& extensions, const std::string& value) {
    for (const std::string& known : extensions)
        if (equalsNoCase(known, value)) return;
    const size_t star = value.find('*');
    extensions.push_back(star == std::string::npos ? value : value.substr(star + 1));
}

void addFolderTitlePart(StringPairList& titles, const std::string& value) {
    if (titles.empty() || !titles.back().second.empty())
        titles.emplace_back(value, std::string());
    else
        titles.back().second = value;
}

}  // namespace

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
        if (pendingKeyword != 0)
            for (bool Settings::*flag : optionTable()[pendingKeyword - 1].switches) settings_.*flag = true;
    } else if (pendingKeyword == 0) {
        takePathCandidate(text);
    } else {
        takeValue(optionTable()[pendingKeyword - 1], text);
    }
    if (isLast) pendingKeyword = 0;
}

void OptionParser::takeValue(const OptionRow& row, const std::string& value) {
    Settings& s = settings_;
    switch (row.takes) {
        case Takes::Nothing: takePathCandidate(value); break;
        case Takes::Number:
            mark(s, row);
            setNumber(s, row.field, readNumber(value));
            break;
        case Takes::Text:
            mark(s, row);
            textField(s, row.field) = value;
            break;
        case Takes::List:
            mark(s, row);
            listField(s, row.field).push_back(value);
            break;
        case Takes::Words: takeWord(row, value); break;
        case Takes::NumberOrWords:
            if (startsWithDigit(value))
                setNumber(s, row.field, readNumber(value));
            else
                takeWord(row, value);
            break;
        case Takes::WordsOrText:
            if (!takeWord(row, value)) textField(s, row.field) = value;
            break;
        default: applyValue(row, value); break;
    }
}

void OptionParser::applyValue(const OptionRow& row, const std::string& value) {
    Settings& s = settings_;
    switch (row.takes) {
        case Takes::Extension: listField(s, row.field).push_back(withLeadingDot(value)); break;
        case Takes::Block:
            if (!value.empty() && value[0] == '.')
                listField(s, row.extra).push_back(value);
            else if (!value.empty() && value[0] == '*')
                listField(s, row.extra).push_back(value.substr(1));
            else
                listField(s, row.field).push_back(value);
            break;
        case Takes::Transparency: {
            const int level = readNumber(value);
            mark(s, row);
            setNumber(s, row.field, level);
            if (level < 0) s.*row.marked = false;
            if (level > 99) setNumber(s, row.field, 99);
            break;
        }
        case Takes::OpenAll:
            if (takeWord(row, value)) break;  // the empty value is a word
            if (value[0] == '*' || value[0] == '.')
                addOpenAllExtension(listField(s, row.extra), value);
            else
                textField(s, row.field) = value;
            break;
        case Takes::ThumbnailSize: {
            const int size = readNumber(value);
            if (size == 0 && value != "0") break;
            mark(s, row);
            setNumber(s, row.field, size);
            break;
        }
        case Takes::OptionsFileName:
            if (!fromOptionsFile_) textField(s, row.field) = value;
            break;
        case Takes::Divisor:
            if (const int divisor = readNumber(value)) setNumber(s, row.field, divisor);
            break;
        case Takes::FolderTitle: addFolderTitlePart(s.*std::get<StringPairList Settings::*>(row.field), value); break;
        default: break;  // the plain kinds are takeValue's
    }
}

bool OptionParser::takeWord(const OptionRow& row, const std::string& value) {
    for (const OptionWord& word : row.words)
        if (equalsNoCase(value, word.text)) {
            setNumber(settings_, word.field, word.value);
            return true;
        }
    return false;
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

}  // namespace trm
