#include "tesvik/program/HelpDocument.h"

#include <gtest/gtest.h>

#include <set>

namespace tesvik::program {
namespace {

TEST(HelpDocument, PrefersTheHelpFileInTheSettingsDirectory) {
    TesvikDirectories dirs;
    dirs.settings = "/home/u/.config/tesvik/";
    dirs.data = "/usr/share/tesvik/";
    const std::filesystem::path program = "/usr/bin/tesvik";
    struct Case {
        std::set<std::string> present;
        std::optional<std::filesystem::path> chosen;
    };
    const Case cases[] = {
        {{"/home/u/.config/tesvik/TSV.chm", "/usr/share/tesvik/help/index.html"}, "/home/u/.config/tesvik/TSV.chm"},
        {{"/usr/bin/help/index.html", "/usr/share/tesvik/help/index.html"}, "/usr/bin/help/index.html"},
        {{"/usr/share/tesvik/help/index.html"}, "/usr/share/tesvik/help/index.html"},
        {{}, std::nullopt},
    };
    for (const Case& c : cases) {
        const auto exists = [&](const std::filesystem::path& p) { return c.present.count(p.string()) > 0; };
        EXPECT_EQ(helpDocument(dirs, program, exists), c.chosen);
    }
}

}  // namespace
}  // namespace tesvik::program
