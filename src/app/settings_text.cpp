#include "app/settings_text.h"

#include <type_traits>
#include <utility>
#include <variant>

#include "app/option_table.h"
#include "common/ascii.h"

namespace trm {

namespace {

const Settings& defaults() {
    static const Settings made;
    return made;
}

// What a flag, number or enum field holds as the number a word or value
// gives it; 0 for the other fields.
int numberIn(const Settings& settings, const SettingField& field) {
    return std::visit(
        [&](auto member) -> int {
            if constexpr (std::is_same<decltype(member), std::monostate>::value) {
                return 0;
            } else {
                using Target = std::decay_t<decltype(settings.*member)>;
                if constexpr (std::is_same<Target, bool>::value || std::is_same<Target, int>::value ||
                              std::is_enum<Target>::value)
                    return static_cast<int>(settings.*member);
                else
                    return 0;
            }
        },
        field);
}

bool differs(const Settings& a, const Settings& b, const SettingField& field) {
    return std::visit(
        [&](auto member) {
            if constexpr (std::is_same<decltype(member), std::monostate>::value)
                return false;
            else
                return !(a.*member == b.*member);
        },
        field);
}

// A negative number as an argument of its own would read as a keyword; the
// number reading skips the blank that keeps it a value.
std::string numberText(int number) {
    return number < 0 ? " " + std::to_string(number) : std::to_string(number);
}

bool startsWithAny(const std::string& text, const char* firsts) {
    return !text.empty() && std::string(firsts).find(text[0]) != std::string::npos;
}

bool holdsNoCase(const StringList& list, const std::string& text) {
    for (const std::string& known : list)
        if (equalsNoCase(known, text)) return true;
    return false;
}

class Printer {
public:
    explicit Printer(const Settings& settings) : s(settings) {}

    PrintedOptions print() {
        for (const OptionRow& row : optionTable()) printRow(row);
        for (const auto& field : optionFields())
            if (differs(s, defaults(), field.second) && !isCarried(field.second)) out.faithful = false;
        return out;
    }

private:
    void printRow(const OptionRow& row) {
        // The keyword would turn on whichever of its switches is off.
        for (bool Settings::*flag : row.switches)
            if (!(s.*flag)) return;
        values.clear();
        takeValues(row);
        if (values.empty() && row.switches.empty()) return;
        out.arguments.push_back({row.keyword, true});
        for (std::string& value : values) out.arguments.push_back({std::move(value), false});
        for (bool Settings::*flag : row.switches) carried.push_back(flag);
    }

    void put(std::string text, const SettingField& field) {
        values.push_back(std::move(text));
        carried.push_back(field);
    }

    bool isCarried(const SettingField& field) const {
        for (const SettingField& known : carried)
            if (known == field) return true;
        return false;
    }

    bool changed(const SettingField& field) const { return differs(s, defaults(), field); }
    const std::string& text(const SettingField& field) const { return s.*std::get<std::string Settings::*>(field); }
    const StringList& list(const SettingField& field) const { return s.*std::get<StringList Settings::*>(field); }

    bool isWord(const OptionRow& row, const std::string& value) const {
        for (const OptionWord& word : row.words)
            if (equalsNoCase(value, word.text)) return true;
        return false;
    }

    void words(const OptionRow& row) {
        for (const OptionWord& word : row.words)
            if (numberIn(s, word.field) == word.value && numberIn(defaults(), word.field) != word.value)
                put(word.text, word.field);
    }

    // A value the row reads as a word or an extension cannot be its text;
    // another row may still carry it.
    void wordOrText(const OptionRow& row) {
        words(row);
        const std::string& value = text(row.field);
        if (!changed(row.field) || isWord(row, value)) return;
        if (row.takes == Takes::OpenAll && startsWithAny(value, "*.")) return;
        put(value, row.field);
    }

    void number(const OptionRow& row) {
        const bool wanted = row.marked ? s.*row.marked : changed(row.field);
        if (!wanted) return;
        put(numberText(numberIn(s, row.field)), row.field);
        if (row.marked) carried.push_back(row.marked);
    }

    void takeValues(const OptionRow& row) {
        switch (row.takes) {
            case Takes::Nothing: break;
            case Takes::Number:
            case Takes::ThumbnailSize: number(row); break;
            case Takes::Text:
            case Takes::OptionsFileName:
                if (changed(row.field)) put(text(row.field), row.field);
                break;
            case Takes::List:
                for (const std::string& value : list(row.field)) put(value, row.field);
                break;
            case Takes::Words: words(row); break;
            case Takes::NumberOrWords:
                // Only a value beginning with a digit is read as the number.
                if (changed(row.field)) {
                    if (numberIn(s, row.field) < 0) out.faithful = false;
                    put(numberText(numberIn(s, row.field)), row.field);
                }
                words(row);
                break;
            case Takes::WordsOrText:
            case Takes::OpenAll:
                wordOrText(row);
                if (row.takes == Takes::OpenAll) openAllExtensions(row);
                break;
            case Takes::Extension:
                for (const std::string& value : list(row.field)) {
                    if (!startsWithAny(value, ".")) out.faithful = false;
                    put(value, row.field);
                }
                break;
            case Takes::Block:
                for (const std::string& name : list(row.field)) {
                    if (startsWithAny(name, ".*")) out.faithful = false;
                    put(name, row.field);
                }
                for (const std::string& extension : list(row.extra))
                    put(startsWithAny(extension, ".") ? extension : "*" + extension, row.extra);
                break;
            case Takes::Transparency: {
                // A level below 0 turns translucency off; any other turns it on.
                const int level = numberIn(s, row.field);
                const bool on = s.*row.marked;
                if (!on && level == 0) break;
                if (on != (level >= 0)) out.faithful = false;
                put(numberText(level), row.field);
                carried.push_back(row.marked);
                break;
            }
            case Takes::FolderTitle: {
                const StringPairList& pairs = s.*std::get<StringPairList Settings::*>(row.field);
                for (size_t i = 0; i < pairs.size(); ++i) {
                    put(pairs[i].first, row.field);
                    // An empty title would pair with the next path.
                    if (!pairs[i].second.empty())
                        put(pairs[i].second, row.field);
                    else if (i + 1 < pairs.size())
                        out.faithful = false;
                }
                break;
            }
        }
    }

    // An extension already listed, compared as typed, is not listed again:
    // each is written in a form that no earlier one matches.
    void openAllExtensions(const OptionRow& row) {
        StringList listed;
        for (const std::string& extension : list(row.extra)) {
            const std::string starred = "*" + extension;
            if (startsWithAny(extension, ".") && extension.find('*') == std::string::npos &&
                !holdsNoCase(listed, extension))
                put(extension, row.extra);
            else if (!holdsNoCase(listed, starred))
                put(starred, row.extra);
            else
                out.faithful = false;
            listed.push_back(extension);
        }
    }

    const Settings& s;
    PrintedOptions out;
    std::vector<std::string> values;
    std::vector<SettingField> carried;
};

// Quoted by the rules the C runtime splits by: backslashes are literal
// except before a double quote, where they are doubled.
std::string quotedArgument(const std::string& text) {
    if (!text.empty() && text.find_first_of(" \t\"") == std::string::npos) return text;
    std::string quoted = "\"";
    size_t slashes = 0;
    for (const char c : text) {
        if (c == '\\') {
            ++slashes;
            continue;
        }
        quoted.append(c == '"' ? 2 * slashes + 1 : slashes, '\\');
        slashes = 0;
        quoted += c;
    }
    quoted.append(2 * slashes, '\\');
    return quoted + '"';
}

// Switches as "-" and their word; values as writeValue puts them, which
// answers false for one its reader would not take back as it was.
template <typename WriteValue>
bool writeArguments(const PrintedOptions& options, std::string& out, WriteValue writeValue) {
    out.clear();
    for (const OptionArgument& argument : options.arguments) {
        if (!out.empty()) out += ' ';
        if (argument.isSwitch)
            out += '-' + argument.text;
        else if (!writeValue(argument.text, out))
            return false;
    }
    return true;
}

}  // namespace

PrintedOptions printOptions(const Settings& settings) {
    return Printer(settings).print();
}

bool writeCommandLine(const PrintedOptions& options, std::string& line) {
    return writeArguments(options, line, [](const std::string& text, std::string& out) {
        if (startsWithAny(text, "-/") || text.find('\0') != std::string::npos) return false;
        out += quotedArgument(text);
        return true;
    });
}

bool writeOptionsFile(const PrintedOptions& options, std::string& file) {
    return writeArguments(options, file, [](const std::string& text, std::string& out) {
        if (text.empty() || text.find_first_of(std::string("-/\"\xFF\0", 5)) != std::string::npos) return false;
        const bool separated = text.find_first_of(" \\\r\n") != std::string::npos;
        out += separated ? '"' + text + '"' : text;
        return true;
    });
}

std::string firstDifference(const Settings& a, const Settings& b) {
    for (const auto& field : optionFields())
        if (differs(a, b, field.second)) return field.first;
    return std::string();
}

}  // namespace trm
