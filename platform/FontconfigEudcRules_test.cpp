#include "platform/FontconfigEudcRules.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

TEST(FontconfigEudcRules, EachEudcFileGetsItsOwnFamilyAndDrawnCodes) {
    const std::vector<EudcFallback> fallbacks = {
        {"LMSong", "/home/u/.local/share/fonts/LMCivic.TTE", {{0xE000, 0xE002}, {0xE234, 0xE234}}},
        {"", "/home/u/.local/share/fonts/EUDC.TTE", {}},
        {"Face & Co", "/opt/other/LMCivic.TTE", {}},
    };
    const std::string xml = eudcRulesXml(fallbacks, "/home/u/.local/share/fonts");

    // Files outside the fonts folder are scanned from their own folder.
    EXPECT_NE(xml.find("<dir>/opt/other</dir>"), std::string::npos);
    EXPECT_EQ(xml.find("<dir>/home/u"), std::string::npos);
    // Two files of one name get different families.
    EXPECT_NE(xml.find("<string>EUDC LMCivic.TTE</string></edit>"), std::string::npos);
    EXPECT_NE(xml.find("<string>EUDC LMCivic.TTE 2</string></edit>"), std::string::npos);
    // Only the codes the file draws are its character set.
    EXPECT_NE(xml.find("<charset><range><int>57344</int><int>57346</int></range><int>57908</int></charset>"),
              std::string::npos);
    // A linked face falls back to its EUDC font, then to the system default.
    EXPECT_NE(xml.find("<string>LMSong</string></test>\n    <edit name=\"family\" mode=\"append\" "
                       "binding=\"same\"><string>EUDC LMCivic.TTE</string><string>EUDC EUDC.TTE</string>"),
              std::string::npos);
    EXPECT_NE(xml.find("<string>Face &amp; Co</string>"), std::string::npos);
    EXPECT_NE(xml.find("mode=\"append_last\" binding=\"weak\"><string>EUDC EUDC.TTE</string>"), std::string::npos);
}

TEST(FontconfigEudcRules, RulesFileLiesInTheUsersFontconfigFolder) {
    Environment env;
    env.variables["HOME"] = "/home/u";
    EXPECT_EQ(eudcRulesFile(env), std::filesystem::path("/home/u/.config/fontconfig/conf.d/60-lumenar-eudc.conf"));
}

}  // namespace
}  // namespace platform
