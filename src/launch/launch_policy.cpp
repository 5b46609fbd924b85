#include "launch/launch_policy.h"

#include "common/ascii.h"

namespace trm {

namespace {
// Values of the platform's SEE_MASK_* flags; this file must not need <windows.h>.
const unsigned long seeMaskInvokeIdList = 0x0000000C;
const unsigned long seeMaskFlagDdeWait = 0x00000100;
}  // namespace

bool mayOpenPath(const std::string& path, const std::string& pendingOpenPath) {
    return pendingOpenPath.empty() || equalsNoCase(path, pendingOpenPath);
}

ShellExecuteMode shellExecuteModeFor(bool underWine) {
    if (underWine) return {seeMaskFlagDdeWait, false};
    return {seeMaskInvokeIdList | seeMaskFlagDdeWait, true};
}

ContextMenuMode contextMenuModeFor(bool underWine) {
    if (underWine) return {false, false};
    return {true, true};
}

int waitToDieAfterLastCommand(int waittodietime) {
    const int sheetWait = 10000;
    return waittodietime > sheetWait ? waittodietime : sheetWait;
}

}  // namespace trm
