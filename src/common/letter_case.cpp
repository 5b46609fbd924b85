#include "common/letter_case.h"

namespace trm {

namespace {

// Upper-case letters from `first` to `last` (every one, or every second one
// from `first` when `step` is 2) whose lower case lies `offset` code points on.
struct CaseRange {
    char32_t first;
    char32_t last;
    int step;
    int offset;
};

const CaseRange caseRanges[] = {
    {0x0041, 0x005A, 1, 0x20}, {0x00C0, 0x00D6, 1, 0x20}, {0x00D8, 0x00DE, 1, 0x20}, {0x0100, 0x012E, 2, 1},
    {0x0132, 0x0136, 2, 1},    {0x0139, 0x0147, 2, 1},    {0x014A, 0x0176, 2, 1},    {0x0178, 0x0178, 1, -0x79},
    {0x0179, 0x017D, 2, 1},    {0x01CD, 0x01DB, 2, 1},    {0x01DE, 0x01EE, 2, 1},    {0x01F4, 0x01F4, 1, 1},
    {0x01F8, 0x021E, 2, 1},    {0x0222, 0x0232, 2, 1},    {0x0246, 0x024E, 2, 1},    {0x0386, 0x0386, 1, 0x26},
    {0x0388, 0x038A, 1, 0x25}, {0x038C, 0x038C, 1, 0x40}, {0x038E, 0x038F, 1, 0x3F}, {0x0391, 0x03A1, 1, 0x20},
    {0x03A3, 0x03AB, 1, 0x20}, {0x03D8, 0x03EE, 2, 1},    {0x0400, 0x040F, 1, 0x50}, {0x0410, 0x042F, 1, 0x20},
    {0x0460, 0x0480, 2, 1},    {0x048A, 0x04BE, 2, 1},    {0x04C0, 0x04C0, 1, 0x0F}, {0x04C1, 0x04CD, 2, 1},
    {0x04D0, 0x052E, 2, 1},    {0x0531, 0x0556, 1, 0x30}, {0x1E00, 0x1E94, 2, 1},    {0x1EA0, 0x1EFE, 2, 1},
    {0xFF21, 0xFF3A, 1, 0x20},
};

bool inRange(const CaseRange& range, char32_t upper) {
    return upper >= range.first && upper <= range.last && (upper - range.first) % range.step == 0;
}

const char32_t finalSigma = 0x03C2;
const char32_t capitalSigma = 0x03A3;

}  // namespace

char32_t lowerCaseOf(char32_t letter) {
    for (const CaseRange& range : caseRanges)
        if (inRange(range, letter)) return static_cast<char32_t>(static_cast<int>(letter) + range.offset);
    return letter;
}

char32_t upperCaseOf(char32_t letter) {
    if (letter == finalSigma) return capitalSigma;
    for (const CaseRange& range : caseRanges) {
        const char32_t upper = static_cast<char32_t>(static_cast<int>(letter) - range.offset);
        if (inRange(range, upper)) return upper;
    }
    return letter;
}

}  // namespace trm
