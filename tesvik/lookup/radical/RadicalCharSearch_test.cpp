// The radical lookup page: characters under the current radical, the grid
// filling rules and the page's field rules.

#include <gtest/gtest.h>

#include "common/testing/ScratchDirectory.h"
#include "tesvik/lookup/radical/RadicalCharSearch.h"
#include "tesvik/lookup/radical/RadicalFixtures_testing.h"
#include "tesvik/lookup/radical/RadicalGrid.h"
#include "tesvik/lookup/radical/RadicalPageInput.h"

namespace tesvik::lookup {
namespace {

using namespace fixtures;

const std::vector<RadicalCharLine> kShipped{
    {"01B1", 0x4E01, "01", "5"},    {"03AA", 0x6C35, "00", ""},         {"03AA", 0x6C40, "02", "12"},
    {"03AA", 0x6C49, "02", "54"},   {"03AA", 0x6C5F, "03", "121"},      {"03AA", 0x6C60, "03", "525"},
    {"03AA", 0x6F22, "12", "2514"}, {"03AA", 0xD840DC00, "12", "2513"}, {"04E1", 0x706B, "00", ""},
};

const std::vector<RadicalCharLine> kUser{
    {"03AA", 0xE234, "03", "121", '0'},
    {"03AA", 0xE235, "00", "", '0'},
};

class RadicalPairs : public ::testing::Test {
protected:
    RadicalPairs() {
        writeRadicalPair(shippedRadicalPair(data.path()), kShipped);
        writeRadicalPair(userRadicalPair(user.path()), kUser);
    }

    std::vector<chars::PackedChar> search(std::optional<RadicalKey> key, RadicalCharQuery query) {
        const auto found = searchByRadical(data.path(), user.path(), key, query);
        EXPECT_FALSE(found.stoppedBy) << found.stoppedBy->text;
        std::vector<chars::PackedChar> chars;
        for (const RadicalCharCandidate& c : found.kept) chars.push_back(c.character);
        return chars;
    }

    lumenar::testing::ScratchDirectory data;
    lumenar::testing::ScratchDirectory user;
};

struct CharSearchCase {
    const char* name;
    const char* key;
    unsigned remaining;
    const char* strokes;
    std::vector<chars::PackedChar> expected;
};

class RadicalCharSearchTest : public RadicalPairs, public ::testing::WithParamInterface<CharSearchCase> {};

TEST_P(RadicalCharSearchTest, ListsShippedThenUserCharacters) {
    const CharSearchCase& c = GetParam();
    EXPECT_EQ(search(radicalKey(c.key), {c.remaining, c.strokes, false}), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RadicalCharSearchTest,
    ::testing::Values(CharSearchCase{"remaining_0_without_strokes_lists_count_00", "03AA", 0, "", {0x6C35, 0xE235}},
                      CharSearchCase{
                          "remaining_0_with_strokes_takes_any_count", "03AA", 0, "1", {0x6C40, 0x6C5F, 0xE234}},
                      CharSearchCase{"one_digit_remaining_matches_0d", "03AA", 3, "", {0x6C5F, 0x6C60, 0xE234}},
                      CharSearchCase{"remaining_and_strokes_together", "03AA", 3, "12", {0x6C5F, 0xE234}},
                      CharSearchCase{"four_strokes_must_all_be_equal", "03AA", 12, "2514", {0x6F22}},
                      CharSearchCase{"strokes_are_a_prefix", "03AA", 12, "251", {0x6F22, 0xD840DC00}},
                      CharSearchCase{"other_radicals_are_not_listed", "04E1", 0, "", {0x706B}},
                      CharSearchCase{"unknown_key_lists_nothing", "05A1", 0, "", {}},
                      CharSearchCase{"three_digit_remaining_lists_nothing", "03AA", 123, "", {}},
                      CharSearchCase{"five_strokes_list_nothing", "03AA", 0, "25141", {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(RadicalPairs, NoCurrentRadicalListsNothing) { EXPECT_TRUE(search(std::nullopt, {}).empty()); }

TEST_F(RadicalPairs, CarriesTheSourceMarker) {
    const auto found = searchByRadical(data.path(), user.path(), radicalKey("03AA"), {3, "121", false});
    EXPECT_EQ(found.kept, (std::vector<RadicalCharCandidate>{{0x6C5F, '1'}, {0xE234, '0'}}));
}

// The search stops before the user pair, and the grid still shows the
// radical in the page's initial state.
TEST_F(RadicalPairs, MissingShippedFilesStopTheSearchAndTheGridShowsTheRadical) {
    for (const auto& name : {ShippedRadicalIndexFileName, ShippedRadicalRecordFileName}) {
        lumenar::testing::ScratchDirectory broken;
        writeRadicalPair(shippedRadicalPair(broken.path()), kShipped);
        std::filesystem::remove(broken.path() / name);
        CurrentRadical current;
        confirmRadical(current, RadicalCandidate{0x6C35, radicalKey("03AA")}, KeyAliasing::None);
        const RadicalCharQuery initial{};
        const auto found = searchByRadical(broken.path(), user.path(), current.key, initial);
        ASSERT_TRUE(found.stoppedBy) << name;
        EXPECT_EQ(found.stoppedBy->text, "内部文件丢失，请重新安装本软件。");
        EXPECT_TRUE(found.kept.empty()) << name;
        EXPECT_EQ(radicalGridItems(current, initial, found.kept), (std::vector<chars::PackedChar>{0x6C35})) << name;
    }
}

TEST_F(RadicalPairs, MissingOrEmptyUserPairAddsNothing) {
    std::filesystem::remove(user.path() / UserRadicalIndexFileName);
    EXPECT_EQ(search(radicalKey("03AA"), {}), (std::vector<chars::PackedChar>{0x6C35}));
    writeRadicalPair(userRadicalPair(user.path()), {});
    EXPECT_EQ(search(radicalKey("03AA"), {}), (std::vector<chars::PackedChar>{0x6C35}));
}

TEST_F(RadicalPairs, RangePastTheEndStopsAtTheLastWholeRecord) {
    // The index promises records 1..20 for 03AA; the file holds 9 and a half.
    const std::vector<RadicalIndexEntry> index{
        {radicalKey("01B1"), 0}, {radicalKey("03AA"), 1}, {kRadicalIndexEndKey, 20}};
    writeBytes(data.path() / ShippedRadicalIndexFileName, radicalIndexBytes(index));
    auto records = radicalRecordFileBytes(kShipped);
    records.resize(records.size() + 5, 0);
    writeBytes(data.path() / ShippedRadicalRecordFileName, records);
    EXPECT_EQ(search(radicalKey("03AA"), {0, "", false}), (std::vector<chars::PackedChar>{0x6C35, 0x706B, 0xE235}));
}

struct GridCase {
    const char* name;
    chars::PackedChar radical;
    RadicalCharQuery query;
    std::vector<chars::PackedChar> kept;
    std::vector<chars::PackedChar> expected;
};

class RadicalGridTest : public ::testing::TestWithParam<GridCase> {};

TEST_P(RadicalGridTest, FillsTheGrid) {
    const GridCase& c = GetParam();
    CurrentRadical current;
    if (c.radical != 0) current = {c.radical, radicalKey("04C1")};
    std::vector<RadicalCharCandidate> kept;
    for (chars::PackedChar k : c.kept) kept.push_back({k, '1'});
    EXPECT_EQ(radicalGridItems(current, c.query, kept), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RadicalGridTest,
    ::testing::Values(
        GridCase{"initial_state_puts_the_radical_in_front", 0x6C35, {0, "", false}, {0xE235}, {0x6C35, 0xE235}},
        GridCase{"equivalent_follows_a_radical_without_records", 0x2ED3, {0, "", false}, {}, {0x2ED3, 0x957F}},
        GridCase{"supplementary_equivalent_is_packed", 0x2EBD, {0, "", false}, {}, {0x2EBD, 0xD85ADD51}},
        GridCase{"radical_without_equivalent_stands_alone", 0x2F54, {0, "", false}, {}, {0x2F54}},
        GridCase{"equivalent_only_when_nothing_was_found", 0x2ED3, {0, "", false}, {0x9577}, {0x2ED3, 0x9577}},
        GridCase{"no_radical_in_front_once_strokes_are_given", 0x6C35, {0, "1", false}, {0x6C40}, {0x6C40}},
        GridCase{"no_radical_in_front_once_remaining_is_given", 0x2ED3, {2, "", false}, {}, {}},
        GridCase{"outside_gbk_filter", 0x2ED3, {1, "", true}, {0x4E00, 0x9FBB, 0x9FBC, 0x3400, 0}, {0x9FBC, 0x3400}},
        GridCase{"radical_in_front_is_not_filtered", 0x6C35, {0, "", true}, {0x6C40, 0xE235}, {0x6C35, 0xE235}},
        GridCase{"no_current_radical_shows_only_candidates", 0, {0, "", false}, {}, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RadicalCharStrokes, AFifthStrokeIsRefused) {
    std::string strokes = "251";
    EXPECT_TRUE(appendRadicalCharStroke(strokes, '4'));
    const auto fifth = appendRadicalCharStroke(strokes, '1');
    ASSERT_FALSE(fifth);
    EXPECT_EQ(fifth.error().text, "仅限于输入四个笔画信息。");
    EXPECT_EQ(strokes, "2514");
    EXPECT_FALSE(checkRadicalCharStrokeCount(5));
    EXPECT_EQ(*checkRadicalCharStrokeCount(4), RadicalFieldAction::Search);
    EXPECT_EQ(*checkRadicalCharStrokeCount(0), RadicalFieldAction::NoSearch);
}

TEST(RadicalRemainingField, AcceptsDigitsOnly) {
    EXPECT_EQ(*checkRemainingField("12"), std::optional<unsigned>(12));
    EXPECT_EQ(*checkRemainingField(""), std::optional<unsigned>());
    EXPECT_EQ(*checkRemainingField("99999999999999999999"), std::optional<unsigned>(999));
    const auto refused = checkRemainingField("1a2");
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.error().message.text, "“1a2”不是合法的笔画数，请输入合法的笔画0-9！");
    EXPECT_EQ(refused.error().selectFrom, 1u);
}

}  // namespace
}  // namespace tesvik::lookup
