#include "presentation/mouse_rules.h"

#include <gtest/gtest.h>

namespace {

using trm::MouseMessage;
using trm::MouseRole;

TEST(MouseRoles, SwappedButtonsSwapPrimaryAndSecondary) {
    const struct {
        MouseMessage message;
        MouseRole normal, swapped;
    } cases[] = {
        {MouseMessage::move, MouseRole::move, MouseRole::move},
        {MouseMessage::leftUp, MouseRole::primaryUp, MouseRole::secondaryUp},
        {MouseMessage::rightUp, MouseRole::secondaryUp, MouseRole::primaryUp},
        {MouseMessage::leftDoubleClick, MouseRole::primaryDoubleClick, MouseRole::none},
        {MouseMessage::rightDoubleClick, MouseRole::none, MouseRole::primaryDoubleClick},
        {MouseMessage::other, MouseRole::none, MouseRole::none},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(trm::mouseRoleOf(c.message, false), c.normal) << static_cast<int>(c.message);
        EXPECT_EQ(trm::mouseRoleOf(c.message, true), c.swapped) << static_cast<int>(c.message);
    }
}

// Windows swaps the buttons before any program sees them; Wine leaves it to the launcher.
TEST(MouseRoles, OnlyUnderWineDoesTheLauncherSwapTheButtons) {
    EXPECT_FALSE(trm::launcherSwapsButtons(false, true));
    EXPECT_TRUE(trm::launcherSwapsButtons(true, true));
}

}  // namespace
