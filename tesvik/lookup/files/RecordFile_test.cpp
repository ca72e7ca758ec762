#include "tesvik/lookup/files/RecordFile.h"

#include <gtest/gtest.h>

#include <vector>

#include "common/testing/ScratchDirectory.h"
#include "tesvik/lookup/files/IndexFixtures_testing.h"
#include "tesvik/lookup/files/Scrambling.h"

namespace tesvik::lookup {
namespace {

TEST(RecordFile, MissingIsToldApartFromEmpty) {
    lumenar::testing::ScratchDirectory dir;
    const auto missing = RecordFile::open(dir.path() / "absent.dat", 4, Scrambled::No);
    ASSERT_FALSE(missing.ok());
    EXPECT_EQ(missing.error().kind, RecordFileError::Kind::Missing);

    fixtures::writeBytes(dir.path() / "empty.dat", {});
    const auto empty = RecordFile::open(dir.path() / "empty.dat", 4, Scrambled::No);
    ASSERT_TRUE(empty.ok());
    EXPECT_EQ(empty->recordCount(), 0u);

    const auto directory = RecordFile::open(dir.path(), 4, Scrambled::No);
    ASSERT_FALSE(directory.ok());
    EXPECT_EQ(directory.error().kind, RecordFileError::Kind::Unreadable);
}

TEST(RecordFile, ReadsOnlyWholeRecordsInsideTheFile) {
    lumenar::testing::ScratchDirectory dir;
    const std::vector<std::uint8_t> bytes = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};  // two records of 4 and a partial one
    fixtures::writeBytes(dir.path() / "r.dat", bytes);
    auto file = RecordFile::open(dir.path() / "r.dat", 4, Scrambled::No);
    ASSERT_TRUE(file.ok());
    EXPECT_EQ(file->recordCount(), 2u);
    EXPECT_EQ(file->readRecord<4>(1), (std::array<std::uint8_t, 4>{5, 6, 7, 8}));
    EXPECT_EQ(file->readRecord<4>(2), std::nullopt);
    EXPECT_EQ(file->readRecord<3>(0), std::nullopt);  // wrong record size
    EXPECT_EQ(file->readRecords(1, 2), std::nullopt);
    EXPECT_EQ(file->readRecords(3, 0), std::nullopt);
    EXPECT_EQ(file->readRecords(2, 0), std::vector<std::uint8_t>{});
    EXPECT_EQ(file->readAllRecords(), (std::vector<std::uint8_t>{1, 2, 3, 4, 5, 6, 7, 8}));
}

TEST(RecordFile, UnscramblesScrambledFiles) {
    lumenar::testing::ScratchDirectory dir;
    std::vector<std::uint8_t> bytes = {'1', '2', 0x00, 0xFF};
    scrambleBytes(bytes);
    fixtures::writeBytes(dir.path() / "s.dat", bytes);
    auto file = RecordFile::open(dir.path() / "s.dat", 2, Scrambled::Yes);
    ASSERT_TRUE(file.ok());
    EXPECT_EQ(file->readAllRecords(), (std::vector<std::uint8_t>{'1', '2', 0x00, 0xFF}));
}

TEST(RecordFile, ReplacingContentsLeavesNoTemporaryAndKeepsTheOldFileOnFailure) {
    lumenar::testing::ScratchDirectory dir;
    const auto path = dir.path() / "t.txt";
    fixtures::writeBytes(path, std::vector<std::uint8_t>{'o', 'l', 'd'});
    ASSERT_TRUE(replaceFileContents(path, std::vector<std::uint8_t>{'n', 'e', 'w'}).ok());
    EXPECT_EQ(fixtures::readBytes(path), (std::vector<std::uint8_t>{'n', 'e', 'w'}));
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "t.txt.new"));

    // The new file cannot be put in place of a directory: the target stays.
    std::filesystem::create_directory(dir.path() / "d");
    EXPECT_FALSE(replaceFileContents(dir.path() / "d", std::vector<std::uint8_t>{'x'}).ok());
    EXPECT_TRUE(std::filesystem::is_directory(dir.path() / "d"));
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "d.new"));
}

}  // namespace
}  // namespace tesvik::lookup
