// The shortcut rules' platform on Windows: links read through the shell,
// drives probed once per run without any system error box, servers probed
// through their shares, folders and files looked for with FindFirstFileW.
#pragma once

#include <string>

#include "model/shortcut_rules.h"

namespace trm {

struct Settings;

class WinShortcutPlatform : public ShortcutPlatform {
public:
    explicit WinShortcutPlatform(const Settings& settings) : settings(settings) {}

    bool readLink(const std::string& linkPath, bool wantFolderPath, LinkTarget& target) override;
    bool driveSelectable(char letter) override;
    bool serverAnswers(const std::string& path) override;
    PathState lookUpFolder(const std::string& folder) override;
    PathState lookUp(const std::string& path) override;

    // Whether the target's drive is a network drive that can be reached now.
    bool onReachableNetworkDrive(const std::string& target);

    // The target of the link read last, when that was `linkPath`: the scanner
    // asks for a shortcut's icon right after reading it.
    const LinkTarget* lastTargetOf(const std::string& linkPath) const {
        return linkPath == lastLink ? &lastTarget : nullptr;
    }

    // Forgets the drive results and the places learnt at the end of a run.
    void reset();

private:
    const Settings& settings;
    // Per drive letter: 0 not probed yet, 1 selectable, -1 not.
    signed char drives[26] = {};
    std::string lastLink;
    LinkTarget lastTarget;
};

}  // namespace trm
