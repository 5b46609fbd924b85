#include "common/settings.h"

namespace trm {

const char* const exploreMarker = "<explore>";
const char* const openAllMarker = "<openall>";

void Settings::clearFilterLists() {
    showonly.clear();
    removeext.clear();
    block.clear();
    blockextensions.clear();
    blockfolders.clear();
}

}  // namespace trm
