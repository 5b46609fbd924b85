#include "menus/menu_rules.h"

#include "common/ascii.h"
#include "model/folder_node.h"
#include "model/menu_entry.h"
#include "model/name_rules.h"

namespace trm {

std::string titleTextOf(const std::string& path) {
    if (path.size() < 2) return path;
    // The last backslash that is not the final character.
    const size_t cut = path.find_last_of('\\', path.size() - 2);
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

bool wantsVolumeLabel(const std::string& title, const Settings& settings) {
    return settings.dotitlesusedrivenames && title.size() > 1 && title[1] == ':';
}

std::string folderTitle(const std::string& path, const std::string* volumeLabel, const Settings& settings) {
    std::string title = volumeLabel ? *volumeLabel : titleTextOf(path);
    for (const auto& pair : settings.foldertitle) {
        if (equalsNoCase(pair.first, path)) {
            title = pair.second;
            break;
        }
    }
    return displayNameOf(title, false, settings);
}

std::string entryFileName(const std::string& path) {
    // Only a path with a dot somewhere after a backslash names a file.
    const size_t firstSlash = path.find('\\');
    if (firstSlash == std::string::npos || path.find('.', firstSlash) == std::string::npos) return std::string();
    return path.substr(path.rfind('\\') + 1);
}

const std::string& itemTextFor(const std::string& name, const Settings& settings) {
    static const std::string noText;
    return displaysText(settings) ? name : noText;
}

namespace {
bool listHas(const StringList& list, const std::string& key) {
    for (const std::string& item : list)
        if (equalsNoCase(item, key)) return true;
    return false;
}
}  // namespace

bool nameListMatches(const StringList& list, const FolderNode& folder) {
    return listHas(list, folder.name) || listHas(list, folder.path);
}

bool nameListMatches(const StringList& list, const MenuEntry& entry, const Settings& settings) {
    return listHas(list, entryFileName(entry.path)) || listHas(list, entry.path) ||
           listHas(list, itemTextFor(entry.displayName, settings));
}

bool openAllIncludes(const MenuEntry& entry, const Settings& settings) {
    if (entry.command != nullptr) return false;
    if (settings.addopenallextensions.empty()) return true;
    return listHas(settings.addopenallextensions, entry.extension);
}

}  // namespace trm
