// Turns keyword options, from the command line or the options file, into
// Settings. Never reports anything: what it does not understand is dropped.
#pragma once

#include <string>

#include "app/option_table.h"
#include "common/settings.h"
#include "framework/command_line_info.h"

namespace trm {

class PathProbe;

class OptionParser : public CCommandLineInfo {
public:
    OptionParser(Settings& settings, PathProbe& paths, bool fromOptionsFile);
    ~OptionParser() override;

    void ParseParam(const char* param, bool isSwitch, bool isLast) override;

    // 0 = none, otherwise the 1-based row of the keyword table.
    int pendingKeyword = 0;

private:
    void takeValue(const OptionRow& row, const std::string& value);
    // The values with rules of their own.
    void applyValue(const OptionRow& row, const std::string& value);
    bool takeWord(const OptionRow& row, const std::string& value);
    void takePathCandidate(const std::string& value);

    Settings& settings_;
    PathProbe& paths_;
    bool fromOptionsFile_;
};

// Decimal integer: leading white space, optional sign, digits up to the first
// other character; no digits gives 0. Saturates instead of overflowing.
int readNumber(const std::string& text);

}  // namespace trm
