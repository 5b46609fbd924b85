#include "app/property_sheet.h"

#include "common/ascii.h"

namespace trm {

namespace {
const unsigned long contextHelpStyle = 0x2000;  // DS_CONTEXTHELP

bool hasChild(const std::vector<ChildWindowFacts>& children, const char* className, long id) {
    for (const ChildWindowFacts& child : children)
        if (child.id == id && equalsNoCase(child.className, className)) return true;
    return false;
}
}  // namespace

bool looksLikePropertySheet(unsigned long style, const std::string& className,
                            const std::vector<ChildWindowFacts>& children) {
    return (style & contextHelpStyle) != 0 && equalsNoCase(className, "#32770") && hasChild(children, "Button", 1) &&
           hasChild(children, "Button", 2) && hasChild(children, "Button", 12321) &&
           hasChild(children, "SysTabControl32", 12320);
}

}  // namespace trm
