// The framework's string type. The launcher's text is ANSI bytes without a
// length limit, which std::string already is.
#pragma once

#include <string>

using CString = std::string;
