#include "common/command_ids.h"

namespace trm {

int nextCommandId = firstCommandId;

}  // namespace trm
