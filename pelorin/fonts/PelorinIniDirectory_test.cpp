#include "pelorin/fonts/PelorinIniDirectory.h"

#include <gtest/gtest.h>

#include <set>

namespace pelorin::fonts {
namespace {

TEST(PelorinIniDirectory, BesideTheProgramWhenTheIniIsThereElseTheInstalledShareFolder) {
    const struct {
        const char* program;
        std::set<std::filesystem::path> files;
        const char* directory;
    } kCases[] = {
        {"/usr/bin/pelorin", {}, "/usr/share/pelorin"},
        {"/stage/usr/local/bin/pelorin",
         {"/stage/usr/local/share/pelorin/pfiFonts.ini"},
         "/stage/usr/local/share/pelorin"},
        {"/opt/pelorin/bin/pelorin", {"/opt/pelorin/bin/pfiFonts.ini"}, "/opt/pelorin/bin"},
        {"/home/me/build/pelorin/cli/pelorin", {}, "/home/me/build/pelorin/cli"},
        {"/opt/Lumenar/pelorin", {"/opt/Lumenar/pfiFonts.ini"}, "/opt/Lumenar"},
    };
    for (const auto& c : kCases) {
        const auto exists = [&](const std::filesystem::path& file) { return c.files.contains(file); };
        EXPECT_EQ(pelorinIniDirectory(c.program, exists), std::filesystem::path(c.directory)) << c.program;
    }
}

}  // namespace
}  // namespace pelorin::fonts
