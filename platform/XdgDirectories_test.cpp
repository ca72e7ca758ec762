#include "platform/XdgDirectories.h"

#include "platform/ProgramPath.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

TEST(XdgDirectories, VariablesWinWhenAbsoluteElseDefaultsUnderHome) {
    struct Case {
        std::map<std::string, std::string> vars;
        std::filesystem::path config, data;
        std::optional<std::filesystem::path> runtime;
    };
    const Case cases[] = {
        {{{"HOME", "/home/u"}}, "/home/u/.config", "/home/u/.local/share", std::nullopt},
        {{{"HOME", "/home/u"}, {"XDG_CONFIG_HOME", "/c"}, {"XDG_DATA_HOME", "/d"}, {"XDG_RUNTIME_DIR", "/run/user/1"}},
         "/c",
         "/d",
         "/run/user/1"},
        // Empty and relative values are ignored.
        {{{"HOME", "/home/u"}, {"XDG_CONFIG_HOME", ""}, {"XDG_DATA_HOME", "rel/d"}, {"XDG_RUNTIME_DIR", "run"}},
         "/home/u/.config",
         "/home/u/.local/share",
         std::nullopt},
    };
    for (const Case& c : cases) {
        const Environment env{c.vars};
        EXPECT_EQ(xdgConfigHome(env), c.config);
        EXPECT_EQ(xdgDataHome(env), c.data);
        EXPECT_EQ(xdgRuntimeDir(env), c.runtime);
    }
}

TEST(XdgDirectories, ProcessEnvironmentAndProgramPathAreRead) {
    ::setenv("LUMENAR_XDG_TEST", "a=b", 1);
    EXPECT_EQ(Environment::fromProcess().get("LUMENAR_XDG_TEST"), "a=b");
    const auto program = runningProgramPath();
    ASSERT_TRUE(program);
    EXPECT_TRUE(program->is_absolute());
    EXPECT_TRUE(std::filesystem::is_regular_file(*program)) << *program;
}

}  // namespace
}  // namespace platform
