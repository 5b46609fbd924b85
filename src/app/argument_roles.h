// Which arguments of the command line name the folder shown and which belong
// to -makeshortcut. The rest are the options that a shortcut for the folder
// repeats and that the folder's taskbar identity is made of. It stands on
// both of the option parser's seams, between the framework and the parser
// and between the parser and the file system, so the parser knows nothing
// of it.
#pragma once

#include <string>

#include "app/path_probe.h"
#include "common/settings.h"
#include "framework/command_line_info.h"

namespace trm {

class OptionParser;

class ArgumentRoles : public CCommandLineInfo, public PathProbe {
public:
    explicit ArgumentRoles(PathProbe& paths) : paths_(paths) {}
    // The parser that ParseParam feeds; it must probe paths through this.
    void readBy(OptionParser& parser) { parser_ = &parser; }

    void ParseParam(const char* param, bool isSwitch, bool isLast) override;
    bool isExistingDirectory(const std::string& path) override;
    std::string currentDirectory() override;
    bool setCurrentDirectory(const std::string& path) override;

    // Every other argument in order: switches written with "-", values as typed.
    StringList options;
    // Paths given where a folder goes that name no folder that can be entered.
    StringList missingFolders;

private:
    PathProbe& paths_;
    OptionParser* parser_ = nullptr;
    bool probed_ = false;
    bool entered_ = false;
};

// The options a shortcut for the folder carries: all of them, or with
// -useinifile only that and the file's name if one was given, so that the
// options file alone says the rest. Settings as the command line left them.
StringList shortcutOptions(const StringList& options, const Settings& settings);

// A shortcut's arguments: the folder first where the parser takes it as
// one (a drive's root or a network folder is given by the working folder
// alone), then the options.
StringList shortcutArguments(const std::string& folder, const StringList& options);

}  // namespace trm
