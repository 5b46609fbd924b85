#include "app/argument_roles.h"

#include "app/option_parser.h"

namespace trm {

void ArgumentRoles::ParseParam(const char* param, bool isSwitch, bool isLast) {
    const std::string text = param ? param : "";
    const int makeshortcut = keywordRow("makeshortcut");
    const bool ofMakeshortcut =
        makeshortcut != 0 && (isSwitch ? keywordRow(text) == makeshortcut : parser_->pendingKeyword == makeshortcut);
    probed_ = entered_ = false;
    parser_->ParseParam(param, isSwitch, isLast);
    if (ofMakeshortcut || entered_) return;
    if (probed_) missingFolders.push_back(text);
    options.push_back(isSwitch ? "-" + text : text);
}

bool ArgumentRoles::isExistingDirectory(const std::string& path) {
    probed_ = true;
    return paths_.isExistingDirectory(path);
}

std::string ArgumentRoles::currentDirectory() {
    return paths_.currentDirectory();
}

bool ArgumentRoles::setCurrentDirectory(const std::string& path) {
    entered_ = paths_.setCurrentDirectory(path);
    return entered_;
}

StringList shortcutOptions(const StringList& options, const Settings& settings) {
    if (!settings.useinifile) return options;
    StringList kept = {"-useinifile"};
    if (settings.useinifilename != Settings().useinifilename) kept.push_back(settings.useinifilename);
    return kept;
}

StringList shortcutArguments(const std::string& folder, const StringList& options) {
    StringList arguments;
    if (isPathCandidate(folder)) arguments.push_back(folder);
    arguments.insert(arguments.end(), options.begin(), options.end());
    return arguments;
}

}  // namespace trm
