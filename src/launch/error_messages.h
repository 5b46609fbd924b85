// The launcher's messages for the shell's execute error codes.
#pragma once

#include <string>

namespace trm {

// The message for a code returned in hInstApp, or "" when it has none.
std::string errorText(int code);

// Caption of the launcher's message box.
extern const char* const messageCaption;  // "Information"

}  // namespace trm
