#include "pelorin/truetype/TableDirectory.h"

#include <gtest/gtest.h>

#include <vector>

namespace pelorin::truetype {
namespace {

constexpr uint32_t kTrueTypeOnly[] = {kTrueTypeVersion};

// An offset table and directory for these records, then `tail` bytes of table data.
std::vector<uint8_t> FileWith(const std::vector<DirectoryRecord>& records, size_t tail) {
    std::vector<uint8_t> file(TableDirectorySize(records.size()) + tail, 0);
    WriteTableDirectory(file, records);
    return file;
}

std::vector<uint8_t> FirstBytes(std::vector<uint8_t> file, size_t n) {
    file.resize(n);
    return file;
}

// Two 4-byte tables right after a two-record directory (44 bytes in all).
const std::vector<DirectoryRecord> kTwoTables = {{tags::kHead, 0, 44, 4}, {tags::kMaxp, 0, 48, 4}};

TEST(TableDirectory, ReadsTheRecordsItWrote) {
    const std::vector<uint8_t> file = FileWith(kTwoTables, 8);
    auto directory = ParseTableDirectory(ByteView(file), 0, kTrueTypeOnly);
    ASSERT_TRUE(directory.ok()) << directory.error().detail;
    EXPECT_EQ(directory->sfntVersion, kTrueTypeVersion);
    ASSERT_EQ(directory->records.size(), 2u);
    EXPECT_EQ(directory->records[1].tag, tags::kMaxp);
    EXPECT_EQ(directory->records[1].offset, 48u);
    EXPECT_EQ(ReadField(std::span<const uint8_t>(file), OffsetTable::searchRange), 32);
}

TEST(TableDirectory, ReadsTheOffsetTableWhereTheFaceStarts) {
    std::vector<uint8_t> file(8, 0xEE);
    const std::vector<uint8_t> face = FileWith({{tags::kHead, 0, 0, 8}}, 0);
    file.insert(file.end(), face.begin(), face.end());
    auto directory = ParseTableDirectory(ByteView(file), 8, kTrueTypeOnly);
    ASSERT_TRUE(directory.ok()) << directory.error().detail;
    EXPECT_EQ(directory->records.size(), 1u);
}

TEST(TableDirectory, RefusesWhatDoesNotHold) {
    std::vector<uint8_t> apple = FileWith(kTwoTables, 8);
    WriteField(std::span<uint8_t>(apple), OffsetTable::sfntVersion, kAppleTrueTypeVersion);
    std::vector<uint8_t> tooManyTables = FileWith(kTwoTables, 8);
    WriteField(std::span<uint8_t>(tooManyTables), OffsetTable::numTables, uint16_t{4});
    struct Case {
        const char* what;
        std::vector<uint8_t> file;
        TrueTypeErrorKind kind;
    };
    const Case cases[] = {
        {"empty file", {}, TrueTypeErrorKind::NotTrueType},
        {"offset table cut short", FirstBytes(FileWith(kTwoTables, 8), 11), TrueTypeErrorKind::NotTrueType},
        {"version not accepted", apple, TrueTypeErrorKind::NotTrueType},
        {"directory cut short", FirstBytes(FileWith(kTwoTables, 8), 40), TrueTypeErrorKind::Malformed},
        {"more tables than the directory holds", tooManyTables, TrueTypeErrorKind::Malformed},
        {"table starts past the end", FileWith({{tags::kHead, 0, 60, 4}}, 4), TrueTypeErrorKind::Malformed},
        {"table ends past the end", FileWith({{tags::kHead, 0, 28, 5}}, 4), TrueTypeErrorKind::Malformed},
        {"offset and length wrap around", FileWith({{tags::kHead, 0, 28, 0xFFFFFFF0}}, 4),
         TrueTypeErrorKind::Malformed},
        {"tag listed twice", FileWith({{tags::kHead, 0, 44, 4}, {tags::kHead, 0, 48, 4}}, 8),
         TrueTypeErrorKind::Malformed},
    };
    for (const Case& c : cases) {
        auto directory = ParseTableDirectory(ByteView(c.file), 0, kTrueTypeOnly);
        ASSERT_FALSE(directory.ok()) << c.what;
        EXPECT_EQ(directory.error().kind, c.kind) << c.what;
    }
}

TEST(TableDirectory, AcceptsTheAppleVersionWhenAskedTo) {
    std::vector<uint8_t> apple = FileWith(kTwoTables, 8);
    WriteField(std::span<uint8_t>(apple), OffsetTable::sfntVersion, kAppleTrueTypeVersion);
    constexpr uint32_t kBoth[] = {kTrueTypeVersion, kAppleTrueTypeVersion};
    EXPECT_TRUE(ParseTableDirectory(ByteView(apple), 0, kBoth).ok());
}

}  // namespace
}  // namespace pelorin::truetype
