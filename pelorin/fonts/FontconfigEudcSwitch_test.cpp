#include "pelorin/fonts/FontconfigEudcSwitch.h"

#include "common/testing/ScratchDirectory.h"
#include "pelorin/fonts/FakeFrontEnd_testing.h"
#include "platform/MemoryRegistryStore.h"

#include <gtest/gtest.h>

namespace pelorin::fonts {
namespace {

TEST(FontconfigEudcSwitch, RulesThatCannotBeWrittenAreShownOnTheCallersMessages) {
    lumenar::testing::ScratchDirectory dir;
    dir.write("config", "a file where the configuration folder should be");
    const platform::Environment env{{{"HOME", dir.path().string()}, {"XDG_CONFIG_HOME", (dir / "config").string()}}};
    platform::MemoryRegistryStore store;
    FontconfigEudcSwitch eudcSwitch(store, env, 936);
    fakes::CollectedMessages messages;
    eudcSwitch.turnOn(messages);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.shown[0].starts_with((dir / "config").string())) << messages.shown[0];
}

}  // namespace
}  // namespace pelorin::fonts
