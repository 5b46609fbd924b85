#include "framework/command_line_info.h"

namespace trm {

namespace {
bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
}  // namespace

std::vector<std::string> splitCommandLine(const char* commandLine) {
    std::vector<std::string> args;
    if (commandLine == nullptr) return args;
    const char* p = commandLine;

    // The program name knows no escapes: quotes only group.
    std::string program;
    bool quoted = false;
    while (*p != '\0' && (quoted || !isBlank(*p))) {
        if (*p == '"')
            quoted = !quoted;
        else
            program += *p;
        ++p;
    }
    args.push_back(program);

    for (;;) {
        while (isBlank(*p)) ++p;
        if (*p == '\0') break;
        std::string arg;
        bool inQuotes = false;
        while (*p != '\0' && (inQuotes || !isBlank(*p))) {
            if (*p == '\\') {
                size_t slashes = 0;
                while (*p == '\\') {
                    ++slashes;
                    ++p;
                }
                if (*p == '"') {
                    arg.append(slashes / 2, '\\');
                    if (slashes % 2 == 1) {
                        arg += '"';
                        ++p;
                    }
                } else {
                    arg.append(slashes, '\\');
                }
                continue;
            }
            if (*p == '"') {
                if (inQuotes && p[1] == '"') {  // "" inside quotes is a literal quote
                    arg += '"';
                    p += 2;
                    continue;
                }
                inQuotes = !inQuotes;
                ++p;
                continue;
            }
            arg += *p++;
        }
        args.push_back(arg);
    }
    return args;
}

std::string joinArguments(const std::vector<std::string>& args) {
    std::string line;
    for (const std::string& arg : args) {
        if (!line.empty()) line += ' ';
        if (!arg.empty() && arg.find_first_of(" \t\"") == std::string::npos) {
            line += arg;  // backslashes are literal where no quote follows
            continue;
        }
        line += '"';
        size_t slashes = 0;
        for (const char c : arg) {
            if (c == '\\') {
                ++slashes;
            } else {
                // Backslashes before a quote are doubled, and the quote escaped.
                if (c == '"') line.append(slashes + 1, '\\');
                slashes = 0;
            }
            line += c;
        }
        line.append(slashes, '\\');  // before the closing quote
        line += '"';
    }
    return line;
}

void parseArguments(const std::vector<std::string>& argv, CCommandLineInfo& info) {
    for (size_t i = 1; i < argv.size(); ++i) {
        const char* param = argv[i].c_str();
        bool isSwitch = false;
        if (param[0] == '-' || param[0] == '/') {
            isSwitch = true;
            ++param;
        }
        info.ParseParam(param, isSwitch, i + 1 == argv.size());
    }
}

}  // namespace trm
