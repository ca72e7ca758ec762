#include "platform/MemoryRegistryStore.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

TEST(RegistryTree, KeysAndValueNamesCompareWithoutCase) {
    MemoryRegistryStore store;
    ASSERT_TRUE(store.setValue("HKEY_CURRENT_USER\\EUDC\\936", "SystemDefaultEUDCFont", std::string("EUDC.TTE")));
    EXPECT_EQ(stringValue(store, "hkey_current_user\\eudc\\936\\", "systemdefaulteudcfont"), "EUDC.TTE");
    // A value written under another spelling replaces it and keeps the first name.
    ASSERT_TRUE(store.setValue("HKEY_CURRENT_USER\\eudc\\936", "SYSTEMDEFAULTEUDCFONT", std::uint32_t{7}));
    EXPECT_EQ(store.valueNames("HKEY_CURRENT_USER\\EUDC\\936"), std::vector<std::string>{"SystemDefaultEUDCFont"});
    EXPECT_EQ(dwordValue(store, "HKEY_CURRENT_USER\\EUDC\\936", "SystemDefaultEUDCFont"), 7u);
    EXPECT_EQ(stringValue(store, "HKEY_CURRENT_USER\\EUDC\\936", "SystemDefaultEUDCFont"), std::nullopt);
}

TEST(RegistryTree, ParentsAndHivesExist) {
    MemoryRegistryStore store;
    EXPECT_TRUE(store.keyExists("HKEY_LOCAL_MACHINE"));
    EXPECT_FALSE(store.keyExists("HKEY_CURRENT_USER\\EUDC"));
    ASSERT_TRUE(store.createKey("HKEY_CURRENT_USER\\EUDC\\950"));
    ASSERT_TRUE(store.setValue("HKEY_CURRENT_USER\\EUDC\\936", "x", std::uint32_t{1}));
    ASSERT_TRUE(store.createKey("HKEY_CURRENT_USER\\eudc\\936\\deeper"));
    EXPECT_TRUE(store.keyExists("hkey_current_user\\eudc"));
    EXPECT_FALSE(store.keyExists("HKEY_CURRENT_USER\\EU"));
    EXPECT_EQ(store.subkeyNames("HKEY_CURRENT_USER\\EUDC"), (std::vector<std::string>{"936", "950"}));
    EXPECT_EQ(store.subkeyNames("HKEY_CURRENT_USER"), std::vector<std::string>{"EUDC"});
    // A sibling whose name sorts between a key and its own subkeys.
    ASSERT_TRUE(store.createKey("HKEY_CURRENT_USER\\EUDC!"));
    EXPECT_EQ(store.subkeyNames("HKEY_CURRENT_USER"), (std::vector<std::string>{"EUDC", "EUDC!"}));
}

TEST(RegistryTree, InvalidKeyPathsAreRefused) {
    MemoryRegistryStore store;
    for (const std::string key : {"", "\\", "\\HKEY_CURRENT_USER", "HKEY_CURRENT_USER\\\\EUDC"}) {
        EXPECT_FALSE(store.createKey(key)) << key;
        EXPECT_FALSE(store.setValue(key, "v", std::uint32_t{1})) << key;
        EXPECT_FALSE(store.keyExists(key)) << key;
    }
}

TEST(RegistryTree, DeleteValueReportsWhetherItExisted) {
    MemoryRegistryStore store;
    ASSERT_TRUE(store.setValue("HKEY_CURRENT_USER\\Run", "Tesvik", std::string("/opt/tesvik")));
    EXPECT_FALSE(store.deleteValue("HKEY_CURRENT_USER\\Run", "Other"));
    EXPECT_TRUE(store.deleteValue("HKEY_CURRENT_USER\\run", "TESVIK"));
    EXPECT_FALSE(store.value("HKEY_CURRENT_USER\\Run", "Tesvik"));
    EXPECT_TRUE(store.keyExists("HKEY_CURRENT_USER\\Run"));
}

}  // namespace
}  // namespace platform
