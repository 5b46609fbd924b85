#include "app/startup_choice.h"

#include <gtest/gtest.h>

namespace {

TEST(StartupChoice, ShiftSwapsShiftrunForRevshiftrun) {
    trm::Settings settings;
    EXPECT_EQ(trm::itemToOpenDirectly(settings, false), "");
    EXPECT_EQ(trm::itemToOpenDirectly(settings, true), "");

    settings.shiftrun = "C:\\a.txt";
    EXPECT_EQ(trm::itemToOpenDirectly(settings, false), "C:\\a.txt");
    EXPECT_EQ(trm::itemToOpenDirectly(settings, true), "") << "Shift with only shiftrun shows the menu";

    settings.shiftrun.clear();
    settings.revshiftrun = "C:\\b.txt";
    EXPECT_EQ(trm::itemToOpenDirectly(settings, false), "");
    EXPECT_EQ(trm::itemToOpenDirectly(settings, true), "C:\\b.txt");
}

}  // namespace
