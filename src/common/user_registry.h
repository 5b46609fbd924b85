// The current user's settings of the system, read from the registry.
#pragma once

#include <windows.h>

#include <string>

namespace trm {

// A string value (REG_SZ or REG_EXPAND_SZ, unexpanded) under the current
// user's key; false, `text` untouched, when it is not there.
bool readUserText(const char* key, const char* name, std::string& text);

// A REG_DWORD value under the current user's key; false, `value` untouched,
// when it is not there.
bool readUserDword(const char* key, const char* name, DWORD& value);

}  // namespace trm
