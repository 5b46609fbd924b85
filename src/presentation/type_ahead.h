// Type-ahead in an open menu: typing the first characters of an item's shown
// name selects it, as in the shell's own file lists. The menu's items have
// no mnemonics (they are owner-drawn), so the program answers the typed
// characters itself.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace trm {

struct TypeAheadItem {
    std::string name;        // as shown; empty for an item without a label
    bool selectable = true;  // false for titles, separators and column breaks
};

// The position the typed text selects among `items`, or -1 when no
// selectable item's name begins with it (A-Z folded). One character, or the
// same character typed again and again, moves on from the item after
// `current`, cycling through the items that begin with it; a longer text
// looks from `current` itself, so the selection stays while it still
// matches. Both wrap around; `current` is -1 when nothing is selected.
int typeAheadTarget(const std::vector<TypeAheadItem>& items, const std::string& typed, int current);

// The characters typed so far into one menu. A pause longer than the delay,
// or a character typed into another menu, starts a new text.
class TypedPrefix {
public:
    // Adds `c`, typed at `now` (milliseconds of a wrapping 32-bit clock)
    // into the menu identified by `menu`; returns the text typed so far.
    const std::string& add(char c, std::uintptr_t menu, std::uint32_t now, std::uint32_t delay);

private:
    std::string typed;
    std::uintptr_t menu = 0;
    std::uint32_t last = 0;
};

}  // namespace trm
