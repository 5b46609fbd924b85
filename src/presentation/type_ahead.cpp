#include "presentation/type_ahead.h"

#include "common/ascii.h"

namespace trm {

namespace {

// No shown name is longer than a path; a key held down need not grow the
// text past that.
const std::string::size_type longestTyped = 260;

bool oneCharacterRepeated(const std::string& typed) {
    return typed.find_first_not_of(typed[0]) == std::string::npos;
}

}  // namespace

int typeAheadTarget(const std::vector<TypeAheadItem>& items, const std::string& typed, int current) {
    const int count = static_cast<int>(items.size());
    if (typed.empty() || count == 0) return -1;
    const bool cycling = oneCharacterRepeated(typed);
    const std::string prefix = cycling ? typed.substr(0, 1) : typed;
    int start = 0;
    if (current >= 0 && current < count) start = cycling ? current + 1 : current;
    for (int step = 0; step < count; ++step) {
        const int position = (start + step) % count;
        const TypeAheadItem& item = items[static_cast<size_t>(position)];
        if (item.selectable && beginsWithNoCase(item.name, prefix)) return position;
    }
    return -1;
}

const std::string& TypedPrefix::add(char c, std::uintptr_t menu, std::uint32_t now, std::uint32_t delay) {
    // Unsigned difference: right across the clock's wrap.
    if (menu != this->menu || static_cast<std::uint32_t>(now - last) > delay) typed.clear();
    if (typed.size() < longestTyped) typed += c;
    this->menu = menu;
    last = now;
    return typed;
}

}  // namespace trm
