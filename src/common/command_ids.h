// Menu command identifiers: where a run takes them from, and the fixed ones.
#pragma once

namespace trm {

const int firstCommandId = 1000;
// A title that cannot be clicked.
const int titleCommandId = 0;
// The one item of a sub-menu whose folder has not been read yet.
const int placeholderCommandId = 129;

// The one source of a run's identifiers: every entry and every item takes
// the next, from firstCommandId up, so that none of a run share one.
class CommandIds {
public:
    int take() { return next++; }
    // What take() gives next.
    int peek() const { return next; }

private:
    int next = firstCommandId;
};

}  // namespace trm
