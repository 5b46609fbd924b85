// Splits the bytes of an options file into tokens and feeds them to a parser.
#pragma once

#include <string>

class CCommandLineInfo;

namespace trm {

// Space, backslash, CR and LF end a token outside double quotes; '-' and '/'
// are dropped and mark the token as a switch; byte 0xFF ends the file.
void tokenizeOptionsFile(const std::string& bytes, CCommandLineInfo& parser);

}  // namespace trm
