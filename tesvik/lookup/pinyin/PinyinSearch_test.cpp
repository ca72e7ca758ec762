#include "tesvik/lookup/pinyin/PinyinSearch.h"

#include "tesvik/lookup/pinyin/PinyinCurrentChar.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace tesvik::lookup {
namespace {

const std::filesystem::path kDataDir = LUMENAR_DATA_DIR;

// The shipped pinyin files, loaded once.
struct ShippedPinyin {
    PinyinIndex index = PinyinIndex::load(kDataDir / "pinyin.idx").value();
    PinyinEntries entries = PinyinEntries::load(kDataDir / "pinyin.data").value();
};

const ShippedPinyin& shipped() {
    static const ShippedPinyin files;
    return files;
}

std::vector<PinyinResult> search(std::string_view text, PinyinTone tone) {
    auto result = searchPinyin(text, tone, shipped().index, shipped().entries);
    EXPECT_TRUE(result.ok());
    return result.ok() ? result.value() : std::vector<PinyinResult>{};
}

bool lists(const std::vector<PinyinResult>& results, chars::PackedChar v) {
    return std::any_of(results.begin(), results.end(), [v](const PinyinResult& r) { return r.value == v; });
}

std::vector<PinyinResult> concatenated(std::initializer_list<std::vector<PinyinResult>> parts) {
    std::vector<PinyinResult> all;
    for (const auto& part : parts) {
        for (const PinyinResult& r : part) {
            if (!lists(all, r.value)) all.push_back(r);
        }
    }
    return all;
}

TEST(PinyinText, IsLowerCasedAndRefusedAtItsFirstNonLetter) {
    const PinyinTextCheck zhang = checkPinyinText("Zhang");
    EXPECT_EQ(zhang.lowered, "zhang");
    EXPECT_FALSE(zhang.error);

    const PinyinTextCheck bad = checkPinyinText("Sh1a");
    EXPECT_EQ(bad.badAt, 2u);
    ASSERT_TRUE(bad.error);
    EXPECT_EQ(bad.error->id, MessageId::InvalidPinyin);
    EXPECT_EQ(bad.error->text, "“sh1a”不是合法的拼音，请输入合法的拼音字母a-z！");
}

TEST(PinyinKeys, ToneDigitsAndTheUmlautSpelling) {
    struct Case {
        std::string_view text;
        PinyinTone tone;
        std::vector<std::string> keys;
    };
    const Case cases[] = {
        {"zhang", PinyinTone::First, {"zhang1"}},
        {"a", PinyinTone::Neutral, {"a0"}},
        {"ma", PinyinTone::Any, {"ma0", "ma1", "ma2", "ma3", "ma4"}},
        {"lv", PinyinTone::Third, {"lv3"}},
        {"jv", PinyinTone::First, {"ju1"}},
        {"qv", PinyinTone::Second, {"qu2"}},
        {"xv", PinyinTone::First, {"xu1"}},
        {"yv", PinyinTone::Fourth, {"yu4"}},
        {"nv", PinyinTone::Third, {"nv3"}},
    };
    for (const Case& c : cases) EXPECT_EQ(pinyinKeys(c.text, c.tone), c.keys) << c.text;
}

TEST(PinyinSearch, ZhangWithTheFirstToneListsZhang1) {
    const auto results = search("Zhang", PinyinTone::First);
    EXPECT_TRUE(lists(results, 0x5F20));   // 张
    EXPECT_FALSE(lists(results, 0x957F));  // 长 is zhang3
}

TEST(PinyinSearch, LvAndJvSearchTheirOwnKeys) {
    EXPECT_TRUE(lists(search("lv", PinyinTone::Fourth), 0x7EFF));  // 绿
    EXPECT_TRUE(lists(search("jv", PinyinTone::Second), 0x5C40));  // 局
    EXPECT_EQ(search("jv", PinyinTone::Second), search("ju", PinyinTone::Second));
}

TEST(PinyinSearch, AnyToneListsTonesZeroToFourInOrderEachCharacterOnce) {
    std::vector<std::vector<PinyinResult>> byTone;
    for (PinyinTone t :
         {PinyinTone::Neutral, PinyinTone::First, PinyinTone::Second, PinyinTone::Third, PinyinTone::Fourth}) {
        byTone.push_back(search("ma", t));
    }
    const auto any = search("ma", PinyinTone::Any);
    EXPECT_EQ(any, concatenated({byTone[0], byTone[1], byTone[2], byTone[3], byTone[4]}));
    EXPECT_EQ(std::count_if(any.begin(), any.end(), [](const PinyinResult& r) { return r.value == 0x5417; }), 1);  // 吗
}

TEST(PinyinSearch, NeutralToneOfAReadsFromTheFirstEntry) {
    const auto range = shipped().index.find("a0");
    ASSERT_TRUE(range);
    EXPECT_EQ(range->first, 0u);
    EXPECT_FALSE(search("a", PinyinTone::Neutral).empty());
}

TEST(PinyinSearch, SpecialQueryLists855InTheBuiltInOrderWhateverTheTone) {
    const auto first = search("zzzz", PinyinTone::First);
    ASSERT_EQ(first.size(), 855u);
    EXPECT_EQ(first[0].value, 0x4E5Bu);  // 乛
    EXPECT_EQ(first[1].value, 0x4E06u);  // 丆
    EXPECT_EQ(search(" ZZZZ ", PinyinTone::Any), first);
}

TEST(PinyinSearch, TextNotBeginningWithALetterIsRefused) {
    const auto result = searchPinyin("", PinyinTone::First, shipped().index, shipped().entries);
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.error().id, MessageId::DataFilesMissing);
}

TEST(PinyinSearch, SupplementaryReadingsAreListedThroughThePrivateUseArea) {
    // U+286CD (shao4) is carried as U+E05C; Extension B characters outside
    // the set are left out.
    const auto results = search("shao", PinyinTone::Fourth);
    EXPECT_TRUE(lists(results, 0xE05C));
    EXPECT_FALSE(std::any_of(results.begin(), results.end(),
                             [](const PinyinResult& r) { return chars::isPackedPair(r.value); }));
}

TEST(PinyinSearch, LaterExtensionCharactersAreListedAsThemselves) {
    EXPECT_TRUE(lists(search("lun", PinyinTone::Second), chars::packCodePoint(0x2CB2D)));     // Extension E
    EXPECT_TRUE(lists(search("biang", PinyinTone::Second), chars::packCodePoint(0x30EDD)));  // Extension G
    EXPECT_TRUE(lists(search("nu", PinyinTone::Third), chars::packCodePoint(0x2AEB9)));      // Extension C
}

TEST(PinyinGrid, CompatibilityTwinFollowsItsUnifiedIdeograph) {
    const std::vector<PinyinResult> du = {{0x90FD, '0'}};    // 都
    const std::vector<PinyinResult> lang = {{0x90DE, '0'}};  // 郎
    EXPECT_EQ(pinyinGridItems(du, false), du);
    EXPECT_EQ(pinyinGridItems(lang, false), (std::vector<PinyinResult>{{0x90DE, '0'}, {0xF92C, 0}}));
    EXPECT_EQ(pinyinGridItems(lang, true), (std::vector<PinyinResult>{{0xF92C, 0}}));

    const auto found = pinyinGridItems(search("lang", PinyinTone::Second), false);
    const auto at = std::find(found.begin(), found.end(), PinyinResult{0x90DE, '0'});
    ASSERT_NE(at, found.end());
    ASSERT_NE(at + 1, found.end());
    EXPECT_EQ((at + 1)->value, 0xF92Cu);
}

TEST(PinyinGrid, OutsideGbkKeepsExtensionAAndPrivateUseCharacters) {
    const std::vector<PinyinResult> results = {
        {0x4E00, '0'}, {0x3405, '1'}, {0xE05C, '3'}, {0x9FBB, '0'}, {0x9FBC, '0'}};
    EXPECT_EQ(pinyinGridItems(results, true), (std::vector<PinyinResult>{{0x3405, '1'}, {0xE05C, '3'}, {0x9FBC, '0'}}));
    EXPECT_EQ(pinyinGridItems(results, false), results);
}

class PinyinCurrentCharTest : public ::testing::Test {
protected:
    PinyinByCodeFile file = PinyinByCodeFile::open(kDataDir / "pinyindataorderbycode.data").value();
};

TEST_F(PinyinCurrentCharTest, ReadingsOfUnifiedPrivateUseAndCompatibilityCharacters) {
    const auto zhang = pinyinReadingsOf(0x5F20, file, "zhang");
    ASSERT_FALSE(zhang.empty());
    EXPECT_EQ(zhang[0], "zhang1");
    EXPECT_EQ(pinyinReadingsOf(0xE05C, file, "shao"), pinyinReadingsOf(chars::packCodePoint(0x286CD), file, "shao"));
    EXPECT_EQ(pinyinReadingsOf(0xF92C, file, "lang"), pinyinReadingsOf(0x90DE, file, "lang"));
    EXPECT_EQ(pinyinReadingsOf(0xFA0E, file, "x"), std::vector<std::string>{""});  // no unified twin
    EXPECT_EQ(pinyinReadingsOf(0xF5B1, file, "x"), std::vector<std::string>{""});  // not in the set
}

TEST_F(PinyinCurrentCharTest, ACharacterWithoutReadingsShowsTheQueryTextExceptForTheSpecialQuery) {
    const chars::PackedChar silent = chars::packCodePoint(0x20018);  // no reading in the sources
    EXPECT_EQ(pinyinReadingsOf(silent, file, "abc"), std::vector<std::string>{"abc"});
    EXPECT_TRUE(pinyinReadingsOf(silent, file, "zzzz").empty());
}

TEST_F(PinyinCurrentCharTest, LaterExtensionsFollowExtensionBInTheFile) {
    const auto after = [](std::uint32_t c) { return PinyinByCodeFile::recordIndexOf(c); };
    EXPECT_EQ(after(0x2A6D6), 70216u);  // the last of Extension B
    EXPECT_EQ(after(0x2A700), 70217u);  // Extension C follows it
    EXPECT_EQ(after(0x2B740), 70217u + 4154);
    EXPECT_EQ(after(0x323AF), 96958u);  // the last of Extension H, the file's last record
    EXPECT_FALSE(after(0x2B73A));       // between C and D
    EXPECT_FALSE(after(0x2F800));       // the compatibility supplement
    EXPECT_FALSE(after(0x323B0));
    EXPECT_EQ(pinyinReadingsOf(chars::packCodePoint(0x2CB2D), file, "x"), std::vector<std::string>{"lun2"});
    EXPECT_EQ(pinyinReadingsOf(chars::packCodePoint(0x323AF), file, "x"), std::vector<std::string>{"x"});
    EXPECT_NE(pinyinRadicalOf(chars::packCodePoint(0x323AF), file), 0u);
}

TEST_F(PinyinCurrentCharTest, RadicalFromTheTablesOrTheFile) {
    EXPECT_EQ(pinyinRadicalOf(0xE000, file), 0x2F03u);
    EXPECT_EQ(pinyinRadicalOf(0xF92C, file), 0x2ECFu);
    EXPECT_EQ(pinyinRadicalOf(0xF5B1, file), 0u);
    EXPECT_EQ(pinyinRadicalOf(0x5F20, file), 0x2F38u);  // 张: 弓
}

TEST(PinyinFiles, MissingFilesAndAWrongSignatureAreReported) {
    EXPECT_EQ(PinyinIndex::load(kDataDir / "no-such.idx").error().id, MessageId::PinyinFilesDamaged);
    EXPECT_EQ(PinyinEntries::load(kDataDir / "no-such.data").error().id, MessageId::PinyinFilesDamaged);
    EXPECT_EQ(PinyinByCodeFile::open(kDataDir / "no-such.data").error().id, MessageId::PinyinFilesDamaged);
    const auto wrong = PinyinIndex::fromBytes("Lumenor2#      a0@1#          $              ");
    ASSERT_FALSE(wrong.ok());
    EXPECT_EQ(wrong.error().id, MessageId::DataFilesMissing);
    EXPECT_FALSE(PinyinIndex().find("a0"));  // the empty index a failed load leaves
}

// A small index: a0 a1 (no b...) ba1 ... with the closing record.
std::string record(std::string_view text) { return std::string(text) + std::string(15 - text.size(), ' '); }

TEST(PinyinIndexWalk, KeysLettersAndRanges) {
    const std::string bytes = record("Lumenar5#") + record("a0@2#") + record("a1@2#") + record("ba1@5#") +
                              record("da4@6#") + record("e2@9#") + record("$");
    const auto index = PinyinIndex::fromBytes(bytes);
    ASSERT_TRUE(index.ok());
    EXPECT_EQ(index->letterStart('b'), 3u);
    EXPECT_EQ(index->letterStart('c'), 0u);
    EXPECT_EQ(index->letterStart('d'), 4u);
    EXPECT_EQ(index->letterStart('$'), 6u);

    EXPECT_EQ(index->find("a0"), (PinyinEntryRange{0, 2}));
    EXPECT_EQ(index->find("a1"), (PinyinEntryRange{2, 0}));  // a key without entries reads nothing
    EXPECT_EQ(index->find("ba1"), (PinyinEntryRange{2, 3}));
    EXPECT_EQ(index->find("e2"), (PinyinEntryRange{6, 3}));
    EXPECT_FALSE(index->find("a2"));
    EXPECT_FALSE(index->find("ca1"));  // letter without keys
    EXPECT_FALSE(index->find("da1"));  // smaller than the letter's first key
    EXPECT_FALSE(index->find("zz1"));
}

TEST(PinyinEntriesRead, EntriesPastTheEndOrNotHexadecimalAreSkipped) {
    const auto entries = PinyinEntries::fromBytes("04E000\r\n20000 \r\nzzzzz0\r\n");
    EXPECT_EQ(entries.entries({0, 5}), (std::vector<PinyinResult>{{0x4E00, '0'}, {0xD840DC00, ' '}}));
}

}  // namespace
}  // namespace tesvik::lookup
