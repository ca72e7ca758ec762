#include "tesvik/shell/Autostart.h"

#include "platform/MemoryRegistryStore.h"
#include "tesvik/messages/Messages.h"

#include <gtest/gtest.h>

namespace tesvik {
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

}  // namespace
}  // namespace tesvik
