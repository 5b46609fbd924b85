// Menu command identifiers shared by the model, the menus and the host window.
#pragma once

namespace trm {

// The process-wide counter: every entry and item takes the next value.
// Starts at 1000 and is never reset, so identifiers are unique per process.
extern int nextCommandId;

const int firstCommandId = 1000;
// A title that cannot be clicked.
const int titleCommandId = 0;
// The one item of a sub-menu whose folder has not been read yet.
const int placeholderCommandId = 129;

}  // namespace trm
