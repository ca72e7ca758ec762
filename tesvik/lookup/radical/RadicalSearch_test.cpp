// The radical directory page: the radical search over newmb.dat, confirming
// a radical with and without the key aliases, and the page's field rules.

#include <gtest/gtest.h>

#include "common/testing/ScratchDirectory.h"
#include "tesvik/lookup/radical/RadicalFixtures_testing.h"
#include "tesvik/lookup/radical/RadicalPageInput.h"
#include "tesvik/lookup/radical/RadicalSearch.h"
#include "tesvik/lookup/radical/RadicalSelection.h"

namespace tesvik::lookup {
namespace {

using namespace fixtures;

const std::vector<RadicalLine> kRadicals{
    {0x2F54, "04", "2534", "shui", "A1"},  // 水
    {0x6C35, "03", "441", "shui", "AA"},   // 氵
    {0x2EA1, "04", "4134", "shui", "AB"},  // ⺡
    {0x2F73, "05", "44534", "xue", "A2"},  {0x2F2D, "03", "445", "mian", "AC"},
    {0x2ED3, "04", "3154", "chang", "C1"}, {0x2F00, "01", "1", "yi", "B0"},
};

struct RadicalSearchCase {
    const char* name;
    RadicalQuery query;
    std::vector<chars::PackedChar> expected;
};

class RadicalSearchTest : public ::testing::TestWithParam<RadicalSearchCase> {};

TEST_P(RadicalSearchTest, ListsMatchingRadicalsInFileOrder) {
    lumenar::testing::ScratchDirectory dir;
    writeRadicalTable(dir.path(), kRadicals);
    std::vector<chars::PackedChar> found;
    for (const RadicalCandidate& c : searchRadicals(dir.path(), GetParam().query)) found.push_back(c.radical);
    EXPECT_EQ(found, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RadicalSearchTest,
    ::testing::Values(RadicalSearchCase{"nothing_given_lists_nothing", {}, {}},
                      RadicalSearchCase{"one_digit_count_matches_0d", {"", "3", ""}, {0x6C35, 0x2F2D}},
                      RadicalSearchCase{"two_digit_count", {"", "03", ""}, {0x6C35, 0x2F2D}},
                      RadicalSearchCase{"strokes_are_a_prefix", {"44", "", ""}, {0x6C35, 0x2F73, 0x2F2D}},
                      RadicalSearchCase{"pinyin_is_a_prefix", {"", "", "shu"}, {0x2F54, 0x6C35, 0x2EA1}},
                      RadicalSearchCase{"strokes_and_pinyin_together", {"44", "", "shui"}, {0x6C35}},
                      RadicalSearchCase{"all_three_together", {"4", "04", "shui"}, {0x2EA1}},
                      RadicalSearchCase{"pinyin_compares_as_given", {"", "", "Shui"}, {}},
                      RadicalSearchCase{
                          "strokes_longer_than_the_field_match_nothing", {"111111111111111111111", "", ""}, {}},
                      RadicalSearchCase{"pinyin_longer_than_the_field_matches_nothing", {"", "", "shuiaaaa"}, {}},
                      RadicalSearchCase{"count_of_three_characters_matches_nothing", {"", "030", ""}, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RadicalSearch, CarriesTheRadicalKey) {
    lumenar::testing::ScratchDirectory dir;
    writeRadicalTable(dir.path(), kRadicals);
    const auto found = searchRadicals(dir.path(), {"", "", "chang"});
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0], (RadicalCandidate{0x2ED3, radicalKey("04C1")}));
}

TEST(RadicalSearch, FindsTheFirstRadicalWithAKey) {
    lumenar::testing::ScratchDirectory dir;
    writeRadicalTable(dir.path(), kRadicals);
    EXPECT_EQ(radicalWithKey(dir.path(), radicalKey("03AA")), (RadicalCandidate{0x6C35, radicalKey("03AA")}));
    EXPECT_FALSE(radicalWithKey(dir.path(), radicalKey("09Z9")));
}

TEST(RadicalSearch, MissingRadicalTableListsNothing) {
    lumenar::testing::ScratchDirectory dir;
    EXPECT_TRUE(searchRadicals(dir.path(), {"4", "", ""}).empty());
}

struct ConfirmCase {
    const char* name;
    const char* candidateKey;
    KeyAliasing aliasing;
    const char* expectedKey;
};

class ConfirmRadicalTest : public ::testing::TestWithParam<ConfirmCase> {};

TEST_P(ConfirmRadicalTest, TakesTheKeyTheEventAsksFor) {
    const ConfirmCase& c = GetParam();
    CurrentRadical current;
    confirmRadical(current, {0x2EA1, radicalKey(c.candidateKey)}, c.aliasing);
    EXPECT_EQ(current.radical, 0x2EA1u);
    ASSERT_TRUE(current.key);
    EXPECT_EQ(current.key->text(), c.expectedKey);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ConfirmRadicalTest,
    ::testing::Values(ConfirmCase{"lookup_button_files_under_alias", "03D0", KeyAliasing::UpperCasedAndAliased, "04E1"},
                      ConfirmCase{"double_click_files_under_alias", "03AB", KeyAliasing::Aliased, "03AA"},
                      ConfirmCase{"enter_keeps_own_key", "03D0", KeyAliasing::None, "03D0"},
                      ConfirmCase{"key_without_alias_stays", "03AA", KeyAliasing::Aliased, "03AA"},
                      ConfirmCase{"last_alias_row", "09C4", KeyAliasing::Aliased, "09C3"},
                      ConfirmCase{"lookup_button_upper_cases_first", "03ab", KeyAliasing::UpperCasedAndAliased, "03AA"},
                      ConfirmCase{"double_click_does_not_upper_case", "03ab", KeyAliasing::Aliased, "03ab"}),
    [](const auto& info) { return std::string(info.param.name); });

struct CountFieldCase {
    const char* text;
    std::optional<MessageId> refusal;
    RadicalFieldAction action;
};

TEST(RadicalCountField, AcceptsOneOrTwoDigitsOnly) {
    const std::vector<CountFieldCase> cases{
        {"3", std::nullopt, RadicalFieldAction::Search},
        {"03", std::nullopt, RadicalFieldAction::Search},
        {"", std::nullopt, RadicalFieldAction::NoSearch},
        {"030", MessageId::TotalStrokesRange, {}},
        {"a", MessageId::EnterAnInteger, {}},
        {"1x", MessageId::EnterAnInteger, {}},
    };
    for (const CountFieldCase& c : cases) {
        const auto checked = checkRadicalCountField(c.text);
        if (c.refusal) {
            ASSERT_FALSE(checked) << c.text;
            EXPECT_EQ(checked.error().message.id, *c.refusal) << c.text;
        } else {
            ASSERT_TRUE(checked) << c.text;
            EXPECT_EQ(*checked, c.action) << c.text;
        }
    }
}

TEST(RadicalPinyinField, LowerCasesAndRefusesAtTheFirstNonLetter) {
    const auto shui = checkRadicalPinyinField("Shui");
    ASSERT_TRUE(shui);
    EXPECT_EQ(*shui, "shui");

    const auto sh1 = checkRadicalPinyinField("sh1");
    ASSERT_FALSE(sh1);
    EXPECT_EQ(sh1.error().message.text, "“sh1”不是合法的拼音，请输入合法的拼音字母a-z！");
    EXPECT_EQ(sh1.error().selectFrom, 2u);
}

TEST(RadicalLookupButton, NeedsASelectionOrACurrentRadical) {
    EXPECT_FALSE(checkRadicalChosen(false, CurrentRadical{}));
    EXPECT_EQ(checkRadicalChosen(false, CurrentRadical{}).error().text, "请在列表框中选择部首。");
    EXPECT_TRUE(checkRadicalChosen(true, CurrentRadical{}));
    EXPECT_TRUE(checkRadicalChosen(false, CurrentRadical{0x2EA1, radicalKey("04AB")}));
}

}  // namespace
}  // namespace tesvik::lookup
