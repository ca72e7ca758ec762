#include "tesvik/program/Autostart.h"

#include "common/testing/ScratchDirectory.h"
#include "platform/MemoryRegistryStore.h"
#include "platform/XdgAutostart.h"
#include "tesvik/messages/Messages.h"

#include <gtest/gtest.h>

namespace tesvik::program {
namespace {

TEST(RunKeyAutostart, EnabledOnlyForThisProgramsPath) {
    platform::MemoryRegistryStore registry;
    RunKeyAutostart autostart(registry, "/opt/Tesvik-gb13000/Tesvik");
    const std::string name(messageText(MessageId::MainWindowCaption));
    EXPECT_FALSE(autostart.isEnabled());
    EXPECT_TRUE(autostart.disable());  // nothing to delete

    struct Case {
        platform::RegistryValue data;
        bool enabled;
    };
    const Case cases[] = {
        {std::string("/OPT/tesvik-GB13000/tesvik"), true},  // compared without regard to case
        {std::string("/opt/other/Tesvik"), false},
        {std::uint32_t{1}, false},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(registry.setValue(kRunKey, name, c.data));
        EXPECT_EQ(autostart.isEnabled(), c.enabled);
    }

    ASSERT_TRUE(autostart.enable());
    EXPECT_EQ(platform::stringValue(registry, kRunKey, name), "/opt/Tesvik-gb13000/Tesvik");
    ASSERT_TRUE(autostart.disable());
    EXPECT_FALSE(registry.value(kRunKey, name));
}

TEST(SessionAutostart, SwitchesTheDesktopEntry) {
    lumenar::testing::ScratchDirectory dir;
    const platform::Environment env{{{"HOME", "/nonexistent"}, {"XDG_CONFIG_HOME", dir.path().string()}}};
    SessionAutostart autostart(platform::xdgAutostartFile(env, kAutostartEntryId), "/opt/Tesvik-gb13000/tesvik");
    EXPECT_FALSE(autostart.isEnabled());
    ASSERT_TRUE(autostart.enable());
    EXPECT_TRUE(autostart.isEnabled());
    EXPECT_NE(dir.read("autostart/tesvik.desktop").find("Name=LumenarTesvik输入法软件（规范字表版）V1.0\n"),
              std::string::npos);
    ASSERT_TRUE(autostart.disable());
    EXPECT_FALSE(autostart.isEnabled());
}

}  // namespace
}  // namespace tesvik::program
