#include "platform/XdgAutostart.h"

#include "common/testing/ScratchDirectory.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

namespace platform {
namespace {

class XdgAutostartTest : public ::testing::Test {
protected:
    void SetUp() override { env_ = Environment{{{"HOME", "/nonexistent"}, {"XDG_CONFIG_HOME", dir_.string()}}}; }

    lumenar::testing::ScratchDirectory scratch_;
    std::filesystem::path dir_ = scratch_.path();
    Environment env_;
};

TEST_F(XdgAutostartTest, WrittenEntriesStartTheirProgramWhateverItsName) {
    const auto entry = xdgAutostartFile(env_, "tesvik");
    EXPECT_EQ(entry, dir_ / "autostart" / "tesvik.desktop");
    for (const std::filesystem::path program :
         {"/opt/Tesvik-gb13000/tesvik", "/home/u/my apps/tesvik", "/odd/\"q\"/$x/`b`/back\\slash/100%/tesvik"}) {
        ASSERT_TRUE(writeXdgAutostartEntry(entry, program, "Tesvik"));
        EXPECT_TRUE(xdgAutostartStarts(entry, program)) << program;
        EXPECT_FALSE(xdgAutostartStarts(entry, "/other/tesvik")) << program;
    }
    ASSERT_TRUE(removeXdgAutostartEntry(entry));
    EXPECT_FALSE(xdgAutostartStarts(entry, "/opt/Tesvik-gb13000/tesvik"));
    EXPECT_TRUE(removeXdgAutostartEntry(entry));  // absent: no error
    EXPECT_FALSE(writeXdgAutostartEntry(entry, "/a\nb", "Tesvik"));
}

TEST_F(XdgAutostartTest, HandWrittenEntriesAreReadByTheDesktopRules) {
    struct Case {
        const char* text;
        bool starts;
    };
    const Case cases[] = {
        {"[Desktop Entry]\nExec=/usr/bin/tesvik --min\n", true},
        {"[Desktop Entry]\r\nExec = /usr/bin/tesvik\r\n", true},
        {"[Desktop Entry]\nExec=/usr/bin/tesvik\nHidden=true\n", false},
        {"[Desktop Entry]\nExec=/usr/bin/tesvik\nX-GNOME-Autostart-enabled=false\n", false},
        {"[Other]\nExec=/usr/bin/tesvik\n", false},
        {"[Desktop Entry]\nExec=/usr/bin/tesvik-other\n", false},
        {"[Desktop Entry]\nName=x\n", false},
    };
    const auto entry = xdgAutostartFile(env_, "tesvik");
    std::filesystem::create_directories(entry.parent_path());
    for (const Case& c : cases) {
        std::ofstream(entry, std::ios::binary | std::ios::trunc) << c.text;
        EXPECT_EQ(xdgAutostartStarts(entry, "/usr/bin/tesvik"), c.starts) << c.text;
    }
}

}  // namespace
}  // namespace platform
