#include "tesvik/lookup/stroke/StrokeSearch.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "common/testing/ScratchDirectory.h"
#include "tesvik/lookup/files/IndexFixtures_testing.h"

namespace tesvik::lookup {
namespace {

using fixtures::StrokeLine;

// Shipped groups 04 05 06 08 64: 07 is missing, 08 sits right below 64,
// and 64 is the last group.
const std::vector<StrokeLine> kShippedLines = {
    {0x4E04, "04", "2511"},       {0x3404, "04", "1211"},   //
    {0x4E05, "05", "25121"},      {0x4E15, "05", "12345"},  //
    {0x4E06, "06", "251111"},                               //
    {0x4E08, "08", "12341234"},                             //
    {0xE064, "64", "1111111111"}, {0xD840DC00, "64", "2511111111"},
};

const std::vector<StrokeLine> kUserLines = {
    {0xE234, "05", "25", '2'},
    {0xE300, "07", "1", '2'},
    {0xE400, "12", "25", '2'},
};

class StrokeSearchTest : public ::testing::Test {
protected:
    void SetUp() override {
        fixtures::writeShippedStrokePair(shipped.path(), kShippedLines);
        fixtures::writeUserStrokePair(user.path(), kUserLines);
    }

    std::vector<chars::PackedChar> search(const StrokeQuery& query) const {
        const auto result = searchByStrokes(shipped.path(), user.path(), query);
        EXPECT_TRUE(result.ok());
        return result.ok() ? visibleCandidates(*result, false) : std::vector<chars::PackedChar>{};
    }

    lumenar::testing::ScratchDirectory shipped;
    lumenar::testing::ScratchDirectory user;
};

struct SearchCase {
    std::uint32_t count;
    std::string strokes;
    bool tolerance;
    std::vector<chars::PackedChar> expected;
};

TEST_F(StrokeSearchTest, ListsShippedThenUserCandidatesOfTheSelectedRange) {
    const std::vector<SearchCase> cases = {
        // count, strokes, tolerance: expected characters
        {0, "", false, {}},                                                      // nothing given: nothing listed
        {0, "25", false, {0x4E04, 0x4E05, 0x4E06, 0xD840DC00, 0xE234, 0xE400}},  // whole files
        {0, "12345", false, {0x4E15}},
        {5, "", false, {0x4E05, 0x4E15, 0xE234}},  // user after shipped
        {5, "25", false, {0x4E05, 0xE234}},
        {5, "251", false, {0x4E05}},
        {4, "", false, {0x4E04, 0x3404}},
        {7, "", false, {0xE300}},          // no shipped group 07
        {7, "1", true, {0xE300}},          // missing group stays missing with tolerance
        {8, "", false, {0x4E08, 0xE064}},  // the group below 64 takes the first 64 record
        {64, "", false, {0xE064, 0xD840DC00}},
        {63, "", false, {0xE064, 0xD840DC00}},
        {65, "2", false, {0xD840DC00}},
        {5, "", true, {0x4E04, 0x3404, 0x4E05, 0x4E15, 0x4E06, 0xE234}},
        {4, "", true, {0x4E04, 0x3404, 0x4E05, 0x4E15}},  // first group: no lower neighbour
        {6, "", true, {0x4E05, 0x4E15, 0x4E06}},          // no 07 group: ends after 06
        {8, "", true, {0x4E08}},                          // no extra 64 record with tolerance
        {64, "", true, {0xE064, 0xD840DC00}},             // 64 then the terminator
        {7, "", true, {0xE300}},
        {12, "25", true, {0xE400}},     // user group before the terminator
        {5, "12345123451", false, {}},  // more than ten strokes match nothing
        {123, "", false, {0xE400}},     // key "12": the first two digits
    };
    for (const SearchCase& c : cases) {
        SCOPED_TRACE("count " + std::to_string(c.count) + " strokes '" + c.strokes + "'" + (c.tolerance ? " ±1" : ""));
        EXPECT_EQ(search({c.count, c.strokes, c.tolerance, false}), c.expected);
    }
}

TEST_F(StrokeSearchTest, CandidatesCarryTheRecordsSourceMarker) {
    const auto result = searchByStrokes(shipped.path(), user.path(), {5, "25", false, false});
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(*result, (std::vector<StrokeCandidate>{{0x4E05, '1'}, {0xE234, '2'}}));
}

TEST_F(StrokeSearchTest, MissingShippedIndexReportsLostDataFiles) {
    std::filesystem::remove(shipped.path() / kShippedStrokeIndexFileName);
    const auto result = searchByStrokes(shipped.path(), user.path(), {5, "", false, false});
    ASSERT_FALSE(result.ok());
    ASSERT_EQ(result.error().size(), 1u);
    EXPECT_EQ(result.error()[0].text, "内部文件丢失，请重新安装本软件。");
}

TEST_F(StrokeSearchTest, MissingShippedRecordsReportTheFileErrorThenLostDataFiles) {
    std::filesystem::remove(shipped.path() / kShippedStrokeRecordFileName);
    const auto result = searchByStrokes(shipped.path(), user.path(), {7, "", false, false});
    ASSERT_FALSE(result.ok());
    ASSERT_EQ(result.error().size(), 2u);
    EXPECT_EQ(result.error()[0].id, MessageId::SystemFileError);
    EXPECT_NE(result.error()[0].text.find(std::string(kShippedStrokeRecordFileName)), std::string::npos);
    EXPECT_EQ(result.error()[1].id, MessageId::DataFilesMissing);
}

TEST_F(StrokeSearchTest, MissingOrEmptyUserFilesGiveOnlyShippedCandidates) {
    const std::vector<chars::PackedChar> shippedOnly = {0x4E05, 0x4E15};
    fixtures::writeBytes(user.path() / kUserStrokeRecordFileName, {});
    EXPECT_EQ(search({5, "", false, false}), shippedOnly);
    std::filesystem::remove(user.path() / kUserStrokeRecordFileName);
    EXPECT_EQ(search({5, "", false, false}), shippedOnly);
    std::filesystem::remove(user.path() / kUserStrokeIndexFileName);
    EXPECT_EQ(search({5, "", false, false}), shippedOnly);
}

TEST_F(StrokeSearchTest, RangePastTheEndOfTheRecordFileListsNothingFromThatFile) {
    auto records = fixtures::strokeRecordFileBytes(kShippedLines);
    records.resize(records.size() - 2 * kStrokeRecordSize - 5);  // cut the 64 group and part of 08
    fixtures::writeBytes(shipped.path() / kShippedStrokeRecordFileName, records);
    EXPECT_EQ(search({64, "", false, false}), std::vector<chars::PackedChar>{});
    EXPECT_EQ(search({5, "", false, false}), (std::vector<chars::PackedChar>{0x4E05, 0x4E15, 0xE234}));
    // A whole-file scan uses only the whole records that are left.
    EXPECT_EQ(search({0, "1234", false, false}), (std::vector<chars::PackedChar>{0x4E15}));
}

TEST(StrokeSearchRanges, SixtyFourFollowedByAnotherGroupListsOnlyItsOwnGroup) {
    lumenar::testing::ScratchDirectory shipped;
    lumenar::testing::ScratchDirectory user;
    const std::vector<StrokeLine> lines = {
        {0x4E08, "08", "1"}, {0xE064, "64", "1"}, {0xE070, "70", "1"}, {0xE071, "70", "1"}, {0xE080, "80", "1"},
    };
    fixtures::writeShippedStrokePair(shipped.path(), lines);
    const auto result = searchByStrokes(shipped.path(), user.path(), {64, "", false, false});
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(visibleCandidates(*result, false), (std::vector<chars::PackedChar>{0xE064}));
}

// The shipped index holds fifty groups; with tolerance the last one (entry
// 49) ends at entry 50 whatever follows it.
TEST(StrokeSearchRanges, ToleranceOnEntryFortyNineEndsAtEntryFifty) {
    lumenar::testing::ScratchDirectory shipped;
    lumenar::testing::ScratchDirectory user;
    std::vector<StrokeLine> lines;
    for (int count = 1; count <= 51; ++count) {
        const std::string key = (count < 10 ? "0" : "") + std::to_string(count);
        lines.push_back({static_cast<chars::PackedChar>(0xE000 + count), key, "1"});
    }
    fixtures::writeShippedStrokePair(shipped.path(), lines);
    auto search = [&](std::uint32_t count) {
        const auto result = searchByStrokes(shipped.path(), user.path(), {count, "", true, false});
        return result.ok() ? visibleCandidates(*result, false) : std::vector<chars::PackedChar>{};
    };
    EXPECT_EQ(search(50), (std::vector<chars::PackedChar>{0xE031, 0xE032}));  // not 51, although adjacent
    EXPECT_EQ(search(49), (std::vector<chars::PackedChar>{0xE030, 0xE031, 0xE032}));
    EXPECT_EQ(search(51), (std::vector<chars::PackedChar>{0xE032, 0xE033}));
}

TEST(StrokeCandidateFilter, OutsideGbkKeepsOnlyCharactersBeyondTheUnifiedIdeographs) {
    const std::vector<StrokeCandidate> kept = {{0x4E00, '1'}, {0x9FBB, '1'},     {0x9FBC, '1'}, {0x3400, '1'},
                                               {0, '1'},      {0xD840DC00, '1'}, {0xE234, '2'}};
    EXPECT_EQ(visibleCandidates(kept, true), (std::vector<chars::PackedChar>{0x9FBC, 0x3400, 0xD840DC00, 0xE234}));
    EXPECT_EQ(visibleCandidates(kept, false).size(), kept.size());
}

}  // namespace
}  // namespace tesvik::lookup
