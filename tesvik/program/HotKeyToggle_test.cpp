#include "tesvik/program/HotKeyToggle.h"

#include <gtest/gtest.h>

namespace tesvik::program {
namespace {

TEST(HotKeyToggle, FirstPressShowsSecondHides) {
    HotKeyToggle toggle;
    EXPECT_FALSE(toggle.isSet());
    EXPECT_EQ(toggle.press(), HotKeyAction::Show);  // on a visible window: no visible change
    EXPECT_EQ(toggle.press(), HotKeyAction::Hide);
    EXPECT_EQ(toggle.press(), HotKeyAction::Show);
    EXPECT_TRUE(toggle.isSet());
}

}  // namespace
}  // namespace tesvik::program
