#include "tesvik/program/CustomAreaCodeDisplay.h"

#include <gtest/gtest.h>

namespace tesvik::program {
namespace {

TEST(CustomAreaCodeDisplay, FormatSwitchRoundTrip) {
    CustomAreaCodeDisplay display;
    display.showSelection(0xE650);
    EXPECT_EQ(display.text(), "E650");
    display.switchFormat(chars::CodeFormat::Gb18030);
    EXPECT_EQ(display.text(), "A54A");
    display.switchFormat(chars::CodeFormat::Gb18030);  // the form in force: no change
    EXPECT_EQ(display.text(), "A54A");
    display.switchFormat(chars::CodeFormat::Unicode);
    EXPECT_EQ(display.text(), "E650");
}

TEST(CustomAreaCodeDisplay, SelectionIsShownInTheChosenForm) {
    CustomAreaCodeDisplay display;
    display.switchFormat(chars::CodeFormat::Gb18030);
    display.showSelection(0xE67F);
    EXPECT_EQ(display.text(), chars::codeText(0xE67F, chars::CodeFormat::Gb18030));
    display.showSelection(std::nullopt);
    EXPECT_EQ(display.text(), "");
    display.switchFormat(chars::CodeFormat::Unicode);  // an empty field stays empty, the form still changes
    EXPECT_EQ(display.text(), "");
    display.showSelection(0xE651);
    EXPECT_EQ(display.text(), "E651");
}

}  // namespace
}  // namespace tesvik::program
