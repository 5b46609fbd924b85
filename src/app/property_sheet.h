// Recognising a shell property sheet among the foreground windows, so that
// the process stays alive while one opened from the context menu is shown.
#pragma once

#include <string>
#include <vector>

namespace trm {

struct ChildWindowFacts {
    std::string className;
    long id;
};

// A dialog ("#32770") with context help whose direct children include the
// buttons 1, 2 and 12321 and the tab control 12320.
bool looksLikePropertySheet(unsigned long style, const std::string& className,
                            const std::vector<ChildWindowFacts>& children);

}  // namespace trm
