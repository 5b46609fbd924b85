#include "model/name_rules.h"

#include "common/ascii.h"
#include "common/letter_case.h"
#include "common/settings.h"
#include "common/utf8.h"
#include "model/folder_node.h"

namespace trm {

namespace {

bool anyIsPrefixOf(const StringList& prefixes, const std::string& text) {
    for (const std::string& prefix : prefixes)
        if (beginsWithNoCase(text, prefix)) return true;
    return false;
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

void makePrettyBytes(std::string& text, int mode) {
    switch (mode) {
        case 1:
            for (char& c : text) c = asciiLower(c);
            break;
        case 2:
            for (char& c : text) c = asciiUpper(c);
            break;
        case 3:
            for (size_t i = 0; i < text.size(); ++i) {
                const bool wordStart = i == 0 || text[i - 1] == ' ';
                text[i] = wordStart ? asciiUpper(text[i]) : asciiLower(text[i]);
            }
            break;
        default: break;
    }
}

// The same rules on whole characters, for the letters of every alphabet
// with case; bytes that are no character are kept as they are.
void makePrettyUtf8(std::string& text, int mode) {
    std::string pretty;
    pretty.reserve(text.size());
    bool wordStart = true;
    for (size_t at = 0; at < text.size();) {
        char32_t c = 0;
        const size_t length = utf8CharacterAt(text, at, c);
        if (length == 0) {
            pretty += text[at++];
            wordStart = false;
            continue;
        }
        const bool upper = mode == 2 || (mode == 3 && wordStart);
        appendUtf8(pretty, upper ? upperCaseOf(c) : lowerCaseOf(c));
        wordStart = c == ' ';
        at += length;
    }
    text.swap(pretty);
}

void makePretty(std::string& text, int mode, bool utf8) {
    if (mode < 1 || mode > 3) return;
    if (utf8)
        makePrettyUtf8(text, mode);
    else
        makePrettyBytes(text, mode);
}

// Cuts out the braced part: "Budget {2019} final" shows as "Budget final".
void applyBraceRule(std::string& text) {
    const size_t open = text.find('{', 1);
    if (open == std::string::npos) return;
    const size_t close = text.rfind('}');
    // A closing brace before the opening one encloses nothing: the name stays
    // as it is rather than repeating the text between the two.
    if (close == std::string::npos || close == 0 || close < open) return;
    size_t cut = open;
    while (cut > 0 && isBlank(text[cut - 1])) --cut;
    if (cut == 0) cut = open;
    text.erase(cut, close + 1 - cut);
}

}  // namespace

size_t extensionCut(const std::string& name) {
    const size_t dot = name.rfind('.');
    return dot == std::string::npos ? name.size() : dot;
}

std::string extensionOf(const std::string& name) {
    std::string extension(name, extensionCut(name));
    for (char& c : extension) c = asciiLower(c);
    return extension;
}

std::string fileDisplayNameOf(const std::string& name, const std::string& extension, const Settings& settings) {
    const bool removed = !extension.empty() && (equalsLiteral(extension, ".url") || equalsLiteral(extension, ".lnk") ||
                                                equalsLiteral(extension, ".pif") || settings.removeallext ||
                                                anyIsPrefixOf(settings.removeext, extension));
    std::string text(name, 0, removed ? name.size() - extension.size() : name.size());
    makePretty(text, settings.makepretty, settings.textIsUtf8);
    applyBraceRule(text);
    return text;
}

std::string displayNameOf(const std::string& name, bool removeExtension, const Settings& settings) {
    return fileDisplayNameOf(name, removeExtension ? extensionOf(name) : std::string(), settings);
}

bool passesFileFilters(const std::string& name, const std::string& extension, const Settings& settings,
                       const std::string& ownName) {
    if (!name.empty() && name[0] == '.') return false;
    if (!ownName.empty() && beginsWithNoCase(name, ownName)) return false;
    if (!settings.showonly.empty() && !anyIsPrefixOf(settings.showonly, extension)) return false;
    if (anyIsPrefixOf(settings.blockextensions, extension)) return false;
    if (anyIsPrefixOf(settings.block, name)) return false;
    return true;
}

bool hasOwnIcon(const std::string& extension) {
    return equalsLiteral(extension, ".url") || equalsLiteral(extension, ".lnk") || equalsLiteral(extension, ".exe") ||
           equalsLiteral(extension, ".com") || equalsLiteral(extension, ".bat") || equalsLiteral(extension, ".pif");
}

bool isPictureExtension(const std::string& extension) {
    static const char* const pictures[] = {".jpg", ".jpeg", ".bmp", ".ico", ".gif"};
    for (const char* picture : pictures)
        if (beginsWithNoCase(extension, picture)) return true;
    return false;
}

bool isTitlePictureFile(const std::string& fileName, const std::string& extension, const Settings& settings) {
    return settings.dotitleimagesusefirst ? isPictureExtension(extension)
                                          : equalsNoCase(fileName, settings.dotitleimagesfile);
}

bool isTitleImageCandidate(const std::string& name, const std::string& extension, const FolderNode& node) {
    const Settings& settings = node.settings;
    if (!settings.dotitleimages) return false;
    if (settings.dotitleimagesusefirst && node.titleImageEntry != nullptr) return false;
    return isTitlePictureFile(name, extension, settings);
}

}  // namespace trm
