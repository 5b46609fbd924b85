#include "model/folder_node.h"

#include <algorithm>
#include <utility>

#include "common/settings.h"
#include "model/ordering.h"

namespace trm {

FolderNode* addSubfolder(FolderNode& parent, std::unique_ptr<FolderNode> child) {
    if (parent.settings.onlyonemenu) return nullptr;
    return insertSubfolder(parent, std::move(child));
}

FolderNode* insertSubfolder(FolderNode& parent, std::unique_ptr<FolderNode> child) {
    const Settings& settings = parent.settings;
    if (!child) return nullptr;
    auto position = parent.subfolders.end();
    if (foldersAreSorted(settings.sort)) {
        // The array is sorted by construction, so the first sub-folder the
        // child strictly precedes is found by bisection.
        const FolderOrder order{settings.sort, settings.revsort};
        position = std::upper_bound(parent.subfolders.begin(), parent.subfolders.end(), child,
                                    [&order](const std::unique_ptr<FolderNode>& a,
                                             const std::unique_ptr<FolderNode>& b) { return order(*a, *b); });
    }
    return parent.subfolders.insert(position, std::move(child))->get();
}

}  // namespace trm
