#include "pelorin/fonts/FontBackup.h"
#include "common/testing/ScratchDirectory.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

#include "pelorin/pfi/LibraryBytes_testing.h"

namespace pelorin::fonts {
namespace {

std::string contentOf(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

TEST(FontBackup, CopiesOverAnOldCopyKeepingItsPermissions) {
    const lumenar::testing::ScratchDirectory scratch;
    const std::filesystem::path& dir = scratch.path();
    std::string font(200000, '\0');  // more than one read's worth
    for (std::size_t i = 0; i < font.size(); ++i) font[i] = static_cast<char>(i * 7);
    std::ofstream(dir / "simsun.ttc", std::ios::binary) << font;
    std::ofstream(dir / "copy.ttc", std::ios::binary) << "older copy";
    std::filesystem::permissions(dir / "copy.ttc",
                                 std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);

    FontEntry entry;
    entry.faceName = "SimSun";
    entry.fontFilePath = (dir / "simsun.ttc").string();
    EXPECT_EQ(backupFont(entry, dir / "copy.ttc"), "");
    EXPECT_EQ(contentOf(dir / "copy.ttc"), font);
    EXPECT_EQ(std::filesystem::status(dir / "copy.ttc").permissions(),
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), std::filesystem::directory_iterator()), 2);
    std::filesystem::remove_all(dir);
}

TEST(FontBackup, AFailedCopyLeavesTheTargetAsItWas) {
    const lumenar::testing::ScratchDirectory scratch;
    const std::filesystem::path& dir = scratch.path();
    std::ofstream(dir / "copy.tte", std::ios::binary) << "older copy";

    EXPECT_EQ(copyFileAtomically(dir / "absent.tte", dir / "copy.tte"), std::strerror(ENOENT));
    std::filesystem::create_directory(dir / "folder.tte");
    EXPECT_NE(copyFileAtomically(dir / "folder.tte", dir / "copy.tte"), "");  // reading a folder fails

    EXPECT_EQ(contentOf(dir / "copy.tte"), "older copy");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), std::filesystem::directory_iterator()), 2);
    std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace pelorin::fonts
