#include "model/ordering.h"

#include "common/ascii.h"
#include "common/settings.h"
#include "model/folder_node.h"

namespace trm {

int compareEntries(const MenuEntry& a, const MenuEntry& b, int sort) {
    switch (sort) {
        case SortCreated: return compareFileTime(a.created, b.created);
        case SortAccessed: return compareFileTime(a.accessed, b.accessed);
        case SortNameNoCase: return compareNoCase(a.displayName, b.displayName);
        case SortNameBytes: return compareBytes(a.displayName, b.displayName);
        case SortExtensionNoCase: return compareNoCase(a.extension, b.extension);
        case SortExtensionBytes: return compareBytes(a.extension, b.extension);
        default: return 0;
    }
}

int compareFolders(const FolderNode& a, const FolderNode& b, int sort) {
    switch (sort) {
        case SortCreated: return compareFileTime(a.created, b.created);
        case SortAccessed: return compareFileTime(a.accessed, b.accessed);
        case SortNameNoCase: return compareNoCase(a.name, b.name);
        case SortNameBytes: return compareBytes(a.name, b.name);
        default: return 0;
    }
}

}  // namespace trm
