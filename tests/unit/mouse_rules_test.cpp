#include "presentation/mouse_rules.h"

#include <gtest/gtest.h>

namespace {

// Windows swaps the buttons before any program sees them, so there the
// launcher must not swap them again. Under Wine it does: the end-to-end
// cases with swapped buttons see that.
TEST(MouseRoles, OnlyUnderWineDoesTheLauncherSwapTheButtons) {
    EXPECT_FALSE(trm::launcherSwapsButtons(false, true));
}

}  // namespace
