// Simple one-to-one case mapping of the letters of the alphabets that have
// case and that file names commonly use: Latin (with its accented and
// Vietnamese letters), Greek, Cyrillic, Armenian and the full-width Latin
// letters. Anything else, and letters whose other case is not a single
// letter of its own (German sharp s, Turkish dotted and dotless i), map to
// themselves.
#pragma once

namespace trm {

char32_t lowerCaseOf(char32_t letter);
char32_t upperCaseOf(char32_t letter);

}  // namespace trm
