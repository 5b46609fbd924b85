// The option parser's inverse: Settings back into keyword options, the
// arguments that, parsed into fresh Settings, give the same options again.
#pragma once

#include <string>
#include <vector>

#include "common/settings.h"

namespace trm {

struct OptionArgument {
    std::string text;  // without the leading '-' of a switch
    bool isSwitch = false;
};

struct PrintedOptions {
    std::vector<OptionArgument> arguments;
    // False when some option cannot be given so that the parser reads it
    // back as it is: a state no keyword reaches (a pair without its title
    // before another pair), or a text its keyword reads as one of its words
    // or as an extension.
    bool faithful = true;
};

// One keyword per row of the table that has something to say, in the
// table's order; the folder and what the parser does with paths (the
// current folder, previousdirectory) are not options and are left out.
PrintedOptions printOptions(const Settings& settings);

// As a command line after the program name, quoted by the C runtime's
// rules; false when an argument cannot be written so (a text beginning with
// '-' or '/' would read as a keyword).
bool writeCommandLine(const PrintedOptions& options, std::string& line);

// As an options file; false when an argument cannot be written in one (an
// empty text, or one holding '-', '/', a double quote or byte 0xFF).
bool writeOptionsFile(const PrintedOptions& options, std::string& file);

// The keyword of the first field the keyword table fills in which a and b
// differ, or an empty string when they hold the same options.
std::string firstDifference(const Settings& a, const Settings& b);

}  // namespace trm
