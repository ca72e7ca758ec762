#include "tesvik/lookup/stroke/UserStrokeRegeneration.h"

#include <gtest/gtest.h>

#include <vector>

#include "common/testing/ScratchDirectory.h"
#include "tesvik/lookup/files/IndexFixtures_testing.h"
#include "tesvik/lookup/stroke/StrokeFiles.h"

namespace tesvik::lookup {
namespace {

using fixtures::countKey;

std::vector<StrokeRecord> recordsIn(const std::filesystem::path& path) {
    auto file = openStrokeRecords(path);
    std::vector<StrokeRecord> records;
    if (!file) return records;
    for (std::uint64_t n = 0; n < file->recordCount(); ++n) records.push_back(*readStrokeRecord(*file, n));
    return records;
}

TEST(UserStrokeRegeneration, GroupsRowsByCountAndEndsWithTheTotal) {
    lumenar::testing::ScratchDirectory dir;
    const std::vector<fixtures::UserStrokeLine> table = {
        {"05", "25", 0xE001}, {"05", "1", 0xE002}, {"12", "2511", 0xE003}};
    fixtures::writeBytes(dir.path() / kUserStrokeTableFileName, fixtures::userStrokeTableBytes(table));
    ASSERT_TRUE(regenerateUserStrokeFiles(dir.path()).ok());

    EXPECT_EQ(readStrokeIndex(dir.path() / kUserStrokeIndexFileName).value(),
              (std::vector<StrokeIndexEntry>{{countKey("05"), 0}, {countKey("12"), 2}, {kStrokeIndexEndKey, 3}}));
    const auto records = recordsIn(dir.path() / kUserStrokeRecordFileName);
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[2], (StrokeRecord{0xE003, countKey("12"), '2', fixtures::padded<10>("2511")}));
}

TEST(UserStrokeRegeneration, EmptyTableGivesNoRecordsAndOnlyTheTerminator) {
    lumenar::testing::ScratchDirectory dir;
    fixtures::writeBytes(dir.path() / kUserStrokeTableFileName, {});
    fixtures::writeBytes(dir.path() / kUserStrokeRecordFileName, std::vector<std::uint8_t>(34, 1));  // stale
    ASSERT_TRUE(regenerateUserStrokeFiles(dir.path()).ok());
    EXPECT_EQ(readStrokeIndex(dir.path() / kUserStrokeIndexFileName).value(),
              (std::vector<StrokeIndexEntry>{{kStrokeIndexEndKey, 0}}));
    EXPECT_TRUE(fixtures::readBytes(dir.path() / kUserStrokeRecordFileName).empty());
}

TEST(UserStrokeRegeneration, MissingTableIsNamedByItsFullPath) {
    lumenar::testing::ScratchDirectory dir;
    const auto status = regenerateUserStrokeFiles(dir.path());
    ASSERT_FALSE(status.ok());
    EXPECT_EQ(status.error().text, (dir.path() / "buzimb.txt").string() + "文件不存在，请先找到该文件！");
    EXPECT_FALSE(std::filesystem::exists(dir.path() / kUserStrokeIndexFileName));
}

TEST(UserStrokeRegeneration, UnwritableDerivedFileIsReported) {
    lumenar::testing::ScratchDirectory dir;
    fixtures::writeBytes(dir.path() / kUserStrokeTableFileName,
                         fixtures::userStrokeTableBytes(std::vector<fixtures::UserStrokeLine>{{"05", "1", 0xE001}}));
    std::filesystem::create_directory(dir.path() / kUserStrokeIndexFileName);
    const auto status = regenerateUserStrokeFiles(dir.path());
    ASSERT_FALSE(status.ok());
    EXPECT_EQ(status.error().id, MessageId::TableWriteFailed);
}

}  // namespace
}  // namespace tesvik::lookup
