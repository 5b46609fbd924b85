// Text between the program's byte strings and the platform's UTF-16: the
// text drawing functions get UTF-16, so that labels read in the active code
// page are drawn in it whatever character set the menu font names.
#pragma once

#include <windows.h>

#include <string>

namespace trm {

std::wstring wideOf(const std::string& text, UINT codePage = CP_ACP);
std::string narrowOf(const std::wstring& text, UINT codePage = CP_ACP);

// The text re-encoded; as it was when either code page cannot be used.
std::string convertCodePage(const std::string& text, UINT from, UINT to);

// The ANSI code page of the system locale, which programs that do not ask
// for UTF-8 run in; 0 when it cannot be told or is not installed.
UINT systemLocaleCodePage();

}  // namespace trm
