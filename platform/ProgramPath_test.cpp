#include "platform/ProgramPath.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

TEST(InstallPrefixOf, IsTheParentOfTheBinFolderOnly) {
    const struct {
        const char* program;
        std::optional<std::filesystem::path> prefix;
    } kCases[] = {
        {"/usr/bin/tesvik", "/usr"},
        {"/tmp/stage/usr/local/bin/pelorin", "/tmp/stage/usr/local"},
        {"/home/me/build/tools/tesvik-query/tesvik-query", std::nullopt},
        {"/opt/Tesvik-gb13000/tesvik", std::nullopt},
        {"tesvik", std::nullopt},
    };
    for (const auto& c : kCases) EXPECT_EQ(installPrefixOf(c.program), c.prefix) << c.program;
}

}  // namespace
}  // namespace platform
