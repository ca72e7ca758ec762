#include "platform/FileRegistryStore.h"

#include "common/testing/ScratchDirectory.h"
#include "platform/FileReading.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <cstdlib>
#include <fstream>

namespace platform {
namespace {

class FileRegistryStoreTest : public ::testing::Test {
protected:
    void SetUp() override { file_ = dir_ / "config" / "lumenar" / "registry"; }

    std::unique_ptr<FileRegistryStore> openStore() {
        auto opened = FileRegistryStore::open(file_);
        EXPECT_TRUE(opened) << (opened ? "" : opened.error().describe());
        return opened ? std::move(opened.value()) : nullptr;
    }
    void writeRaw(const std::string& text) {
        std::filesystem::create_directories(file_.parent_path());
        std::ofstream(file_, std::ios::binary) << text;
    }

    lumenar::testing::ScratchDirectory scratch_;
    std::filesystem::path dir_ = scratch_.path();
    std::filesystem::path file_;
};

const std::string kSettings = "HKEY_CURRENT_USER\\Software\\Lumenar CIVIC GB13000 V1.7 Unicode\\Tesvik\\Settings";

TEST_F(FileRegistryStoreTest, MissingFileIsAnEmptyStoreAndChangesPersist) {
    auto store = openStore();
    ASSERT_TRUE(store);
    EXPECT_TRUE(store->valueNames(kSettings).empty());
    EXPECT_FALSE(std::filesystem::exists(file_));

    ASSERT_TRUE(store->setValue(kSettings, "Hide", std::uint32_t{0}));
    ASSERT_TRUE(store->setValue("HKEY_CURRENT_USER\\EUDC\\936", "SystemDefaultEUDCFont", std::string("行1\n行2")));
    ASSERT_TRUE(store->createKey("HKEY_CURRENT_USER\\EUDC\\950"));

    auto reopened = openStore();
    ASSERT_TRUE(reopened);
    EXPECT_EQ(dwordValue(*reopened, kSettings, "hide"), 0u);
    EXPECT_EQ(stringValue(*reopened, "HKEY_CURRENT_USER\\EUDC\\936", "SystemDefaultEUDCFont"), "行1\n行2");
    EXPECT_TRUE(reopened->keyExists("HKEY_CURRENT_USER\\EUDC\\950"));
    // No temporary files are left beside the store.
    std::size_t entries = 0;
    for (const auto& entry : std::filesystem::directory_iterator(file_.parent_path())) {
        EXPECT_EQ(entry.path().extension(), entry.path() == file_ ? "" : ".lock") << entry.path();
        ++entries;
    }
    EXPECT_EQ(entries, 2u);
}

TEST_F(FileRegistryStoreTest, TwoProgramsKeepEachOthersChanges) {
    auto tesvik = openStore();
    auto pelorin = openStore();
    ASSERT_TRUE(tesvik && pelorin);
    ASSERT_TRUE(tesvik->setValue(kSettings, "AutoMinimize", std::uint32_t{0}));
    ASSERT_TRUE(pelorin->setValue("HKEY_CURRENT_USER\\EUDC\\936", "SystemDefaultEUDCFont", std::string("a.tte")));
    EXPECT_EQ(dwordValue(*pelorin, kSettings, "AutoMinimize"), 0u);
    EXPECT_EQ(stringValue(*tesvik, "HKEY_CURRENT_USER\\EUDC\\936", "SystemDefaultEUDCFont"), "a.tte");
    EXPECT_TRUE(tesvik->deleteValue("HKEY_CURRENT_USER\\EUDC\\936", "SystemDefaultEUDCFont"));
    EXPECT_FALSE(pelorin->value("HKEY_CURRENT_USER\\EUDC\\936", "SystemDefaultEUDCFont"));
}

TEST_F(FileRegistryStoreTest, DamagedFileIsReportedAndNeverOverwritten) {
    writeRaw("[HKEY_CURRENT_USER\\X]\ndword A=1\nthis is not a value\n");
    auto opened = FileRegistryStore::open(file_);
    ASSERT_FALSE(opened);
    EXPECT_EQ(opened.error().line, 3);
    EXPECT_NE(opened.error().describe().find("registry:3: damaged registry file"), std::string::npos);

    // Damaged after opening: reads keep the last good contents, changes fail.
    writeRaw("[HKEY_CURRENT_USER\\X]\ndword A=1\n");
    auto store = openStore();
    ASSERT_TRUE(store);
    writeRaw("[HKEY_CURRENT_USER\\X]\ndword A=oops\n");
    EXPECT_EQ(dwordValue(*store, "HKEY_CURRENT_USER\\X", "A"), 1u);
    EXPECT_FALSE(store->setValue("HKEY_CURRENT_USER\\X", "B", std::uint32_t{2}));
    auto content = readFileIfExists(file_);
    ASSERT_TRUE(content && content->has_value());
    EXPECT_EQ(**content, "[HKEY_CURRENT_USER\\X]\ndword A=oops\n");
}

TEST_F(FileRegistryStoreTest, UnwritableLocationFailsWithoutChangingTheStore) {
    auto store = openStore();
    ASSERT_TRUE(store && store->setValue("HKEY_CURRENT_USER\\X", "A", std::uint32_t{1}));
    // The store's folder is replaced by a regular file: nothing can be written there.
    std::filesystem::remove_all(file_.parent_path());
    std::ofstream(file_.parent_path()) << "in the way";
    EXPECT_FALSE(store->setValue("HKEY_CURRENT_USER\\X", "A", std::uint32_t{2}));
    EXPECT_EQ(dwordValue(*store, "HKEY_CURRENT_USER\\X", "A"), 1u);

    auto reopened = FileRegistryStore::open(file_);
    ASSERT_FALSE(reopened);
    EXPECT_NE(reopened.error().describe().find("Not a directory"), std::string::npos);
}

TEST_F(FileRegistryStoreTest, RewriteKeepsTheFilePermissions) {
    auto store = openStore();
    ASSERT_TRUE(store && store->setValue("HKEY_CURRENT_USER\\X", "A", std::uint32_t{1}));
    ASSERT_EQ(::chmod(file_.c_str(), 0600), 0);
    ASSERT_TRUE(store->setValue("HKEY_CURRENT_USER\\X", "A", std::uint32_t{2}));
    struct stat info {};
    ASSERT_EQ(::stat(file_.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
}

TEST(UserRegistryPath, FollowsTheConfigDirectoryUnlessOverridden) {
    struct Case {
        Environment env;
        std::filesystem::path expected;
    };
    const Case cases[] = {
        {{{{"HOME", "/home/u"}}}, "/home/u/.config/lumenar/registry"},
        {{{{"HOME", "/home/u"}, {"XDG_CONFIG_HOME", "/cfg"}}}, "/cfg/lumenar/registry"},
        {{{{"HOME", "/home/u"}, {"XDG_CONFIG_HOME", "/cfg"}, {"LUMENAR_REGISTRY_FILE", "/t/reg"}}}, "/t/reg"},
    };
    for (const Case& c : cases) EXPECT_EQ(userRegistryPath(c.env), c.expected);
}

}  // namespace
}  // namespace platform
