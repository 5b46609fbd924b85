#include "model/ordering.h"

#include "common/ascii.h"
#include "common/settings.h"
#include "model/folder_node.h"

namespace trm {

int compareEntries(const MenuEntry& a, const MenuEntry& b, SortKey sort) {
    switch (sort) {
        case SortKey::Created: return compareFileTime(a.created, b.created);
        case SortKey::Accessed: return compareFileTime(a.accessed, b.accessed);
        case SortKey::NameNoCase: return compareNoCase(a.displayName, b.displayName);
        case SortKey::NameBytes: return compareBytes(a.displayName, b.displayName);
        case SortKey::ExtensionNoCase: return compareNoCase(a.extension, b.extension);
        case SortKey::ExtensionBytes: return compareBytes(a.extension, b.extension);
        default: return 0;
    }
}

int compareFolders(const FolderNode& a, const FolderNode& b, SortKey sort) {
    switch (sort) {
        case SortKey::Created: return compareFileTime(a.created, b.created);
        case SortKey::Accessed: return compareFileTime(a.accessed, b.accessed);
        case SortKey::NameNoCase: return compareNoCase(a.name, b.name);
        case SortKey::NameBytes: return compareBytes(a.name, b.name);
        default: return 0;
    }
}

}  // namespace trm
