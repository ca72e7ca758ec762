#include "tesvik/program/CustomAreaFonts.h"

#include <gtest/gtest.h>

namespace tesvik::program {
namespace {

platform::InstalledFont face(std::vector<std::string> families, std::string format = "TrueType") {
    platform::InstalledFont font;
    font.families = std::move(families);
    font.file = "/fonts/x.ttf";
    font.format = std::move(format);
    return font;
}

TEST(CustomAreaFonts, ScalableFacesSortedOnceEach) {
    const std::vector<platform::InstalledFont> fonts = {
        face({"zeta"}),          face({"Alpha"}), face({"Beta Sans"}, "CFF"), face({"Alpha"}), face({"Fixed"}, "PCF"),
        face({"Old"}, "Type 1"), face({}),
    };
    const CustomAreaFontChoice choice = customAreaFontChoice(fonts, "Beta Sans");
    EXPECT_EQ(choice.names, (std::vector<std::string>{"Alpha", "Beta Sans", "zeta"}));
    EXPECT_EQ(choice.selected, 1);
}

TEST(CustomAreaFonts, GridFontIsFoundUnderAnyOfItsFamilies) {
    const std::vector<platform::InstalledFont> fonts = {
        face({"Lumenar Song T", "Lumenar宋体T"}),
        face({"Other"}),
    };
    const CustomAreaFontChoice choice = customAreaFontChoice(fonts, "Lumenar宋体T");
    EXPECT_EQ(choice.names, (std::vector<std::string>{"Lumenar宋体T", "Other"}));
    EXPECT_EQ(choice.selected, 0);
}

TEST(CustomAreaFonts, UnknownGridFontSelectsTheFirstEntry) {
    EXPECT_EQ(customAreaFontChoice({face({"B"}), face({"A"})}, "Missing").selected, 0);
    EXPECT_EQ(customAreaFontChoice({}, "Missing").selected, -1);
}

}  // namespace
}  // namespace tesvik::program
