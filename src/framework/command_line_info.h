// Stand-in for the framework's command-line interpreter: splits a command
// line by the platform's rules and hands each argument to ParseParam.
#pragma once

#include <string>
#include <vector>

class CCommandLineInfo {
public:
    virtual ~CCommandLineInfo() = default;
    // param is one argument; for a switch its leading '-' or '/' is removed.
    virtual void ParseParam(const char* param, bool isSwitch, bool isLast) = 0;
};

namespace trm {

// Splits a whole command line (program name first) the way the C runtime
// builds argv: white space separates, double quotes group, 2n backslashes
// before a quote give n backslashes, 2n+1 give n and a literal quote.
std::vector<std::string> splitCommandLine(const char* commandLine);

// The arguments as one command-line text that splitCommandLine (after a
// program name) gives back unchanged: quoted where they hold white space or
// quotes, or are empty.
std::string joinArguments(const std::vector<std::string>& args);

// Feeds every argument after the program name to info.ParseParam.
void parseArguments(const std::vector<std::string>& argv, CCommandLineInfo& info);

}  // namespace trm
