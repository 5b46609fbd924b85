#include "app/options_file_tokenizer.h"

#include "framework/command_line_info.h"

namespace trm {

void tokenizeOptionsFile(const std::string& bytes, CCommandLineInfo& parser) {
    std::string token;
    bool isSwitch = false;
    bool quoted = false;
    for (const char c : bytes) {
        const unsigned char byte = static_cast<unsigned char>(c);
        if (byte == 0xFF) break;
        if (c == '-' || c == '/') {
            isSwitch = true;
        } else if (c == '"') {
            quoted = !quoted;
        } else if (!quoted && (c == ' ' || c == '\\' || c == '\r' || c == '\n')) {
            if (!token.empty()) parser.ParseParam(token.c_str(), isSwitch, false);
            token.clear();
            isSwitch = false;
        } else {
            token += c;
        }
    }
    if (!token.empty()) parser.ParseParam(token.c_str(), isSwitch, true);
}

}  // namespace trm
