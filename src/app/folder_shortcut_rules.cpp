#include "app/folder_shortcut_rules.h"

#include <cstring>

#include "common/ascii.h"

namespace trm {

std::string shortcutStem(const std::string& shownName) {
    std::string stem = shownName;
    for (char& c : stem)
        if (static_cast<unsigned char>(c) < 32 || std::strchr("\\/:*?\"<>|", c) != nullptr) c = '_';
    // The system drops trailing dots and spaces from file names.
    while (!stem.empty() && (stem.back() == '.' || stem.back() == ' ')) stem.pop_back();
    return stem.empty() ? "Folder" : stem;
}

std::string numberedShortcutName(const std::string& stem, int number) {
    if (number <= 1) return stem + ".lnk";
    return stem + " (" + std::to_string(number) + ").lnk";
}

std::string stemOfShortcutName(const std::string& fileName) {
    const size_t size = fileName.size();
    if (size > 4 && equalsNoCase(fileName.substr(size - 4), ".lnk")) return fileName.substr(0, size - 4);
    return fileName;
}

std::string shortcutMadeMessage(const std::string& folder, const std::string& shortcut, bool onDesktop) {
    return "A shortcut to \"" + folder + "\" is now " + (onDesktop ? "on your desktop" : "at") + ":\n" + shortcut +
           "\n\nTo give the folder its own button on the taskbar, right-click the shortcut and choose Pin to taskbar "
           "(on Windows 11 under Show more options).";
}

std::string noSuchFolderMessage(const std::string& folder) {
    return "No shortcut was made: there is no folder \"" + folder + "\".";
}

std::string noPlaceForShortcutMessage(const std::string& place) {
    return "No shortcut was made: the folder \"" + place + "\" to put it in does not exist.";
}

std::string shortcutNotWrittenMessage(const std::string& shortcut) {
    return "No shortcut was made: \"" + shortcut + "\" cannot be written.";
}

}  // namespace trm
