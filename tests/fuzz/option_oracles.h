// What every parse of keyword options must give, whatever the input: each
// setting within the range the README's option table documents, and
// Settings that, printed back as options and parsed again, come out the same.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/settings_text.h"
#include "common/settings.h"

namespace oracle {

[[noreturn]] inline void fail(const std::string& what, const std::string& text = std::string()) {
    std::fprintf(stderr, "option oracle: %s\n%s\n", what.c_str(), text.c_str());
    std::abort();
}

inline bool isPosition(trm::SpecialEntryPosition p) {
    using P = trm::SpecialEntryPosition;
    return p == P::Default || p == P::Top || p == P::Bottom || p == P::AbsoluteTop || p == P::AbsoluteBottom;
}

// From the README: -makepretty 0-3; -transparent 0-99 (larger count as 99);
// the thumbnail box in pixels; -imagereductionx/y ignore 0 and negative
// values; the alignments, positions and theme only their words. The sort key
// and -display take any number (others keep the folder's order, show text).
inline void checkRanges(const trm::Settings& s) {
    using X = trm::MenuXAlignment;
    using Y = trm::MenuYAlignment;
    using T = trm::Theme;
    if (s.makepretty < 0 || s.makepretty > 3) fail("makepretty " + std::to_string(s.makepretty));
    if (s.transparent && (s.transparentlevel < 0 || s.transparentlevel > 99))
        fail("transparent " + std::to_string(s.transparentlevel));
    if (s.dothumbnailsontooltipsizex < 0 || s.dothumbnailsontooltipsizey < 0) fail("thumbnail box");
    if (s.imagereductionx < 1 || s.imagereductiony < 1) fail("imagereduction");
    if (s.menuxalignment != X::Left && s.menuxalignment != X::Centre && s.menuxalignment != X::Right)
        fail("menuxalignment");
    if (s.menuyalignment != Y::Top && s.menuyalignment != Y::Centre && s.menuyalignment != Y::Bottom)
        fail("menuyalignment");
    if (s.theme != T::System && s.theme != T::Light && s.theme != T::Dark) fail("theme");
    if (!isPosition(s.addexploreposition) || !isPosition(s.addopenallposition)) fail("entry position");
}

// Settings the printer gives faithfully, written and parsed again by
// `reparse`, must equal the first parse in every field the table fills.
// Returns whether they could be written (a text that cannot is skipped).
template <class Reparse>
bool checkRoundTrip(const trm::Settings& parsed, bool asOptionsFile, Reparse reparse) {
    const trm::PrintedOptions printed = trm::printOptions(parsed);
    if (!printed.faithful) return false;
    std::string text;
    if (!(asOptionsFile ? trm::writeOptionsFile(printed, text) : trm::writeCommandLine(printed, text))) return false;
    const trm::Settings again = reparse(text);
    const std::string difference = trm::firstDifference(parsed, again);
    if (!difference.empty()) fail("-" + difference + " differs when read back from", text);
    return true;
}

}  // namespace oracle
