#include "presentation/mouse_rules.h"

#include <gtest/gtest.h>

namespace {

using trm::MouseMessage;
using trm::MouseRole;

// Roles by platform and by the system's swap setting: on Windows the system
// has already swapped the messages, so they keep their roles; under Wine the
// launcher swaps them itself.
TEST(MouseRoles, FollowTheMessagesOnWindowsAndTheSettingUnderWine) {
    const struct {
        MouseMessage message;
        MouseRole windows, windowsSwapped, wine, wineSwapped;
    } cases[] = {
        {MouseMessage::move, MouseRole::move, MouseRole::move, MouseRole::move, MouseRole::move},
        {MouseMessage::leftUp, MouseRole::primaryUp, MouseRole::primaryUp, MouseRole::primaryUp,
         MouseRole::secondaryUp},
        {MouseMessage::rightUp, MouseRole::secondaryUp, MouseRole::secondaryUp, MouseRole::secondaryUp,
         MouseRole::primaryUp},
        {MouseMessage::leftDoubleClick, MouseRole::primaryDoubleClick, MouseRole::primaryDoubleClick,
         MouseRole::primaryDoubleClick, MouseRole::none},
        {MouseMessage::rightDoubleClick, MouseRole::none, MouseRole::none, MouseRole::none,
         MouseRole::primaryDoubleClick},
        {MouseMessage::other, MouseRole::none, MouseRole::none, MouseRole::none, MouseRole::none},
    };
    const auto role = [](MouseMessage message, bool underWine, bool swapped) {
        return trm::mouseRoleOf(message, trm::launcherSwapsButtons(underWine, swapped));
    };
    for (const auto& c : cases) {
        EXPECT_EQ(role(c.message, false, false), c.windows) << static_cast<int>(c.message);
        EXPECT_EQ(role(c.message, false, true), c.windowsSwapped) << static_cast<int>(c.message);
        EXPECT_EQ(role(c.message, true, false), c.wine) << static_cast<int>(c.message);
        EXPECT_EQ(role(c.message, true, true), c.wineSwapped) << static_cast<int>(c.message);
    }
}

}  // namespace
