// Which windows of the launcher's own process keep it alive once the shell's
// Properties command has run: the sheet runs in this process, on a thread
// the shell starts, and ending the process would take it along.
#pragma once

#include <string>

namespace trm {

// A top-level window of this process.
struct TopWindowFacts {
    std::string className;
    bool visible;
    bool launchers;  // the host window or the thumbnail tip
};

// Any visible window the shell (or a handler it loaded) put up: a property
// sheet whatever its title-bar buttons, or a box it shows. Menus, tooltips
// and the launcher's own windows never count.
bool keepsProcessAlive(const TopWindowFacts& window);

}  // namespace trm
