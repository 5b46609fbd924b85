// The rules the scanner applies to one file or folder name: its extension,
// its display name, whether the file filters let it through, and whether it
// may become its folder's title picture. Prefix tests ("begins with") fold
// ASCII letters and compare bytes unsigned.
#pragma once

#include <cstddef>
#include <string>

namespace trm {

struct FolderNode;
struct Settings;

// Index of the name's last dot, or the name's length when it has none.
size_t extensionCut(const std::string& name);

// The text from the last dot on, A-Z lowered; empty for a name without a dot.
std::string extensionOf(const std::string& name);

// The extension removal (files only), `makepretty` and the brace rule.
std::string displayNameOf(const std::string& name, bool removeExtension, const Settings& settings);
// The same for a file whose extensionOf is already known: a scan works it
// out once per file.
std::string fileDisplayNameOf(const std::string& name, const std::string& extension, const Settings& settings);

// `ownName` is the file name of the running executable: a file whose name
// begins with it (any case) is never listed, whatever the executable is
// called. Empty leaves nothing out on that account.
bool passesFileFilters(const std::string& name, const std::string& extension, const Settings& settings,
                       const std::string& ownName);

// Files of these extensions have icons of their own (programs, batch files,
// shortcuts), where every other file shows the icon of its extension.
bool hasOwnIcon(const std::string& extension);

// ".jpg", ".jpeg", ".bmp", ".ico" or ".gif" begins the extension.
bool isPictureExtension(const std::string& extension);

// Whether the file is the one `dotitleimages` names: the first picture with
// `usefirst`, else the file of the configured name.
bool isTitlePictureFile(const std::string& fileName, const std::string& extension, const Settings& settings);

// Picture files that may become the node's title picture are kept whatever
// the filters say.
bool isTitleImageCandidate(const std::string& name, const std::string& extension, const FolderNode& node);

}  // namespace trm
