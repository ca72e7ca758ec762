// The user's own characters filed by radical: the dialog's checks, and add,
// modify and delete on buzibuzishoumb.txt with regeneration of the pair.

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>

#include "common/testing/ScratchDirectory.h"
#include "tesvik/lookup/radical/RadicalCharSearch.h"
#include "tesvik/lookup/radical/RadicalFixtures_testing.h"
#include "tesvik/lookup/radical/UserRadicalFields.h"
#include "tesvik/lookup/radical/UserRadicalTable.h"

namespace tesvik::lookup {
namespace {

using namespace fixtures;

UserRadicalEntry entry(std::uint16_t code, const char* key, unsigned remaining, const char* strokes) {
    char text[8];
    std::snprintf(text, sizeof text, "%04X", code);
    return UserRadicalEntry{code, text, radicalKey(key), remaining, strokes};
}

// What an edit asks to show, in order: the refusal, or the success message.
std::vector<Message> shown(const UserTableEdit& edit) {
    if (!edit) return edit.error();
    return edit.value() ? std::vector{*edit.value()} : std::vector<Message>{};
}

bool cancelled(const UserTableEdit& edit) { return edit.ok() && !edit.value(); }

const ConfirmQuestion kYes = [](const Message&, const Message&) { return true; };
const ConfirmQuestion kNo = [](const Message&, const Message&) { return false; };

class UserRadicalTableTest : public ::testing::Test {
protected:
    std::filesystem::path tablePath() const { return dir.path() / UserRadicalTableFileName; }

    // The table's rows as "code key remaining strokes" texts.
    std::vector<std::string> rows() const {
        const auto bytes = readBytes(tablePath());
        std::vector<std::string> out;
        for (std::size_t at = 0; at + kUserRadicalRowSize <= bytes.size(); at += kUserRadicalRowSize) {
            const auto row = decodeUserRadicalRow(std::span(bytes).subspan(at).first<kUserRadicalRowSize>());
            char code[8];
            std::snprintf(code, sizeof code, "%04X", row.character);
            out.push_back(std::string(code) + " " + row.sortText());
        }
        return out;
    }

    std::vector<chars::PackedChar> userCharactersUnder(const char* key, RadicalCharQuery query = {}) const {
        writeRadicalPair(shippedRadicalPair(dir.path()), {});
        const auto found = searchByRadical(dir.path(), dir.path(), radicalKey(key), query);
        std::vector<chars::PackedChar> chars;
        for (const auto& c : found.kept) chars.push_back(c.character);
        return chars;
    }

    lumenar::testing::ScratchDirectory dir;
};

TEST_F(UserRadicalTableTest, AddKeepsTheTableInKeyCountStrokeOrder) {
    for (const auto& e : {entry(0xE001, "03AA", 12, ""), entry(0xE002, "01B1", 0, ""), entry(0xE003, "03AA", 5, "2514"),
                          entry(0xE004, "03AA", 5, "25")}) {
        const auto added = addRadicalEntry(dir.path(), e);
        ASSERT_TRUE(added.ok());
        EXPECT_EQ(shown(added).back().text, "补字按部首管理添加成功！");
    }
    EXPECT_EQ(rows(),
              (std::vector<std::string>{"E002 01B1000000", "E004 03AA052500", "E003 03AA052514", "E001 03AA120000"}));
}

TEST_F(UserRadicalTableTest, AddedCharacterIsFoundInTheInitialStateOfItsRadical) {
    ASSERT_TRUE(addRadicalEntry(dir.path(), entry(0xE234, "03AA", 0, "")).ok());
    EXPECT_EQ(userCharactersUnder("03AA"), (std::vector<chars::PackedChar>{0xE234}));
}

TEST_F(UserRadicalTableTest, AddingACodeAlreadyThereChangesNothingAndNamesTheCode) {
    ASSERT_TRUE(addRadicalEntry(dir.path(), entry(0xE234, "03AA", 3, "1")).ok());
    const auto before = readBytes(tablePath());
    auto again = entry(0xE234, "01B1", 0, "");
    again.codeText = "e234";
    const auto refused = addRadicalEntry(dir.path(), again);
    EXPECT_FALSE(refused.ok());
    ASSERT_EQ(shown(refused).size(), 1u);
    EXPECT_EQ(shown(refused)[0].text, "UNICODE: e234已经存在无法添加,若要修改，请进行修改操作！");
    EXPECT_EQ(readBytes(tablePath()), before);
}

TEST_F(UserRadicalTableTest, ModifyMovesTheRowToItsNewPlace) {
    for (const auto& e : {entry(0xE001, "01B1", 0, ""), entry(0xE002, "03AA", 2, "1"), entry(0xE003, "05A1", 1, "")}) {
        addRadicalEntry(dir.path(), e);
    }
    const auto modified = modifyRadicalEntry(dir.path(), entry(0xE001, "04AB", 3, "121"), kYes);
    ASSERT_TRUE(modified.ok());
    EXPECT_EQ(shown(modified).back().text, "修改成功，你现在可以用新的方式录入该字！");
    EXPECT_EQ(rows(), (std::vector<std::string>{"E002 03AA021000", "E001 04AB031210", "E003 05A1010000"}));
    EXPECT_EQ(userCharactersUnder("04AB", {3, "", false}), (std::vector<chars::PackedChar>{0xE001}));
    EXPECT_TRUE(userCharactersUnder("01B1").empty());
}

TEST_F(UserRadicalTableTest, AnsweringNoOrAMissingCodeLeavesTheTable) {
    addRadicalEntry(dir.path(), entry(0xE001, "01B1", 0, ""));
    const auto before = readBytes(tablePath());
    EXPECT_TRUE(cancelled(modifyRadicalEntry(dir.path(), entry(0xE001, "04AB", 3, ""), kNo)));
    EXPECT_TRUE(cancelled(deleteRadicalEntry(dir.path(), 0xE001, kNo)));
    const auto notThere = modifyRadicalEntry(dir.path(), entry(0xE009, "04AB", 3, ""), kYes);
    EXPECT_EQ(shown(notThere).at(0).text, "您所要修改的字不在补字范围，不能修改！请先添加该补字！");
    EXPECT_EQ(shown(deleteRadicalEntry(dir.path(), 0xE009, kYes)).at(0).text,
              "您所要删除的字不在补字范围，不能删除！请确认您所要删除的字！");
    EXPECT_EQ(readBytes(tablePath()), before);
}

TEST_F(UserRadicalTableTest, DeletingTheOnlyRowLeavesAnEmptyTableAndPair) {
    addRadicalEntry(dir.path(), entry(0xE001, "01B1", 0, ""));
    std::vector<std::string> asked;
    const auto deleted = deleteRadicalEntry(dir.path(), 0xE001, [&](const Message& q, const Message& caption) {
        asked = {q.text, caption.text};
        return true;
    });
    ASSERT_TRUE(deleted.ok());
    EXPECT_EQ(asked, (std::vector<std::string>{"删除这个字后，您以后将不能再输入这个字，您确认要删除这个字符吗?",
                                               "修改提示！"}));
    EXPECT_EQ(shown(deleted).back().text, "删除该字成功，你将无法用笔顺输入该字！");
    EXPECT_TRUE(readBytes(tablePath()).empty());
    EXPECT_TRUE(readBytes(dir.path() / UserRadicalRecordFileName).empty());
    EXPECT_EQ(readBytes(dir.path() / UserRadicalIndexFileName).size(), kRadicalIndexEntrySize);
}

TEST_F(UserRadicalTableTest, MissingTableIsCreatedByAddAndReportedEmptyByModifyAndDelete) {
    EXPECT_FALSE(modifyRadicalEntry(dir.path(), entry(0xE001, "01B1", 0, ""), kYes).ok());
    EXPECT_FALSE(deleteRadicalEntry(dir.path(), 0xE001, kYes).ok());
    EXPECT_TRUE(addRadicalEntry(dir.path(), entry(0xE001, "01B1", 0, "")).ok());
    EXPECT_EQ(rows().size(), 1u);
}

TEST_F(UserRadicalTableTest, LongTailsMoveWhole) {
    std::vector<UserRadicalLine> lines;
    for (unsigned i = 0; i < 5000; ++i) lines.push_back({0xE100 + i, "09C9", "05", "1"});
    writeBytes(tablePath(), userRadicalTableBytes(lines));
    ASSERT_TRUE(addRadicalEntry(dir.path(), entry(0xE000, "01B1", 0, "")).ok());
    ASSERT_TRUE(modifyRadicalEntry(dir.path(), entry(0xE100, "01B1", 1, ""), kYes).ok());
    const auto table = rows();
    ASSERT_EQ(table.size(), 5001u);
    EXPECT_EQ(table[0], "E000 01B1000000");
    EXPECT_EQ(table[1], "E100 01B1010000");
    EXPECT_EQ(table[5000], "F487 09C9051000");
    EXPECT_EQ(userCharactersUnder("09C9", {5, "", false}).size(), 4999u);
}

TEST_F(UserRadicalTableTest, TrailingPartialRowStaysAtTheEnd) {
    auto bytes = userRadicalTableBytes(std::vector<UserRadicalLine>{{0xE001, "03AA", "00", ""}});
    bytes.insert(bytes.end(), {'x', 'y', 'z'});
    writeBytes(tablePath(), bytes);
    ASSERT_TRUE(addRadicalEntry(dir.path(), entry(0xE002, "05A1", 0, "")).ok());
    const auto after = readBytes(tablePath());
    ASSERT_EQ(after.size(), 2 * kUserRadicalRowSize + 3);
    EXPECT_EQ(rows(), (std::vector<std::string>{"E001 03AA000000", "E002 05A1000000"}));
}

// While alive, writing a file past a few bytes fails (EFBIG), whatever the
// file is called and whoever runs the test.
class SmallFileSizeLimit {
public:
    SmallFileSizeLimit() {
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &previous_);
        rlimit small = previous_;
        small.rlim_cur = 20;
        setrlimit(RLIMIT_FSIZE, &small);
    }
    ~SmallFileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousHandler_);
    }

private:
    rlimit previous_{};
    void (*previousHandler_)(int) = nullptr;
};

TEST_F(UserRadicalTableTest, AFailedWriteLeavesThePreviousTable) {
    addRadicalEntry(dir.path(), entry(0xE001, "01B1", 0, ""));
    const auto before = readBytes(tablePath());
    UserTableEdit added = UserTableEdit::failure({});
    {
        SmallFileSizeLimit limit;
        added = addRadicalEntry(dir.path(), entry(0xE002, "03AA", 0, ""));
    }
    EXPECT_FALSE(added.ok());
    ASSERT_FALSE(shown(added).empty());
    EXPECT_EQ(shown(added).at(0).text, "文件生成错误,请重新操作。");
    EXPECT_EQ(readBytes(tablePath()), before);
}

TEST_F(UserRadicalTableTest, UnreadableTableIsAnInternalFileError) {
    std::filesystem::create_directory(tablePath());
    const auto added = addRadicalEntry(dir.path(), entry(0xE002, "03AA", 0, ""));
    ASSERT_EQ(shown(added).size(), 2u);
    EXPECT_EQ(shown(added)[0].text, "内部文件错误！");
    EXPECT_EQ(shown(added)[1].text, "文件生成错误,请重新操作。");
    EXPECT_EQ(shown(deleteRadicalEntry(dir.path(), 0xE002, kYes)).at(0).text, "内部文件错误！");
}

TEST_F(UserRadicalTableTest, FailedRegenerationPutsTheTableAndItsPairBack) {
    addRadicalEntry(dir.path(), entry(0xE001, "01B1", 0, ""));
    const auto tableBefore = readBytes(tablePath());
    const auto recordsBefore = readBytes(dir.path() / UserRadicalRecordFileName);
    std::filesystem::remove(dir.path() / UserRadicalIndexFileName);
    std::filesystem::create_directory(dir.path() / UserRadicalIndexFileName);  // cannot be replaced
    const auto added = addRadicalEntry(dir.path(), entry(0xE002, "03AA", 0, ""));
    EXPECT_FALSE(added.ok());
    ASSERT_EQ(shown(added).size(), 1u);
    EXPECT_EQ(shown(added)[0].id, MessageId::TableWriteFailed);
    EXPECT_EQ(readBytes(tablePath()), tableBefore);
    EXPECT_EQ(readBytes(dir.path() / UserRadicalRecordFileName), recordsBefore);
    EXPECT_TRUE(std::filesystem::is_directory(dir.path() / UserRadicalIndexFileName));
}

struct FieldCase {
    const char* name;
    UserRadicalFields fields;
    std::optional<MessageId> add;  // nullopt: accepted
    std::optional<MessageId> modify;
    std::optional<MessageId> remove;
};

class UserRadicalFieldsTest : public ::testing::TestWithParam<FieldCase> {};

template <class R>
std::optional<MessageId> refusalOf(const R& result) {
    return result ? std::nullopt : std::optional(result.error().message.id);
}

TEST_P(UserRadicalFieldsTest, ChecksInTheDialogsOrder) {
    const FieldCase& c = GetParam();
    EXPECT_EQ(refusalOf(checkAddRadicalFields(c.fields)), c.add);
    EXPECT_EQ(refusalOf(checkModifyRadicalFields(c.fields)), c.modify);
    EXPECT_EQ(refusalOf(checkDeleteRadicalFields(c.fields)), c.remove);
}

const auto kKey = std::optional(radicalKey("03AA"));
constexpr auto kCode = MessageId::CodeValueOutOfRange;
constexpr auto kIncomplete = MessageId::IncompleteEntry;
constexpr auto kNoRadical = MessageId::ChooseRadicalFirst;
constexpr auto kBelow = MessageId::RemainingBelowStrokeCount;

INSTANTIATE_TEST_SUITE_P(
    Cases, UserRadicalFieldsTest,
    ::testing::Values(
        FieldCase{"complete", {"E234", kKey, 4, "2514"}, {}, {}, {}},
        FieldCase{"lower_case_code", {"e234", kKey, 0, ""}, {}, {}, {}},
        FieldCase{"remaining_0_without_strokes", {"E234", kKey, 0, ""}, {}, {}, {}},
        FieldCase{"empty_code", {"", kKey, 0, ""}, kCode, kCode, kCode},
        FieldCase{"five_digit_code", {"E0001", kKey, 0, ""}, kCode, kCode, kCode},
        FieldCase{"code_outside_private_use", {"D800", kKey, 0, ""}, kCode, kCode, kCode},
        FieldCase{"code_above_private_use", {"F900", kKey, 0, ""}, kCode, kCode, kCode},
        FieldCase{"negative_remaining", {"E234", kKey, -1, ""}, kIncomplete, kBelow, kBelow},
        FieldCase{"no_radical_chosen", {"E234", std::nullopt, 0, ""}, kNoRadical, kNoRadical, {}},
        FieldCase{
            "no_radical_comes_before_the_count", {"E234", std::nullopt, 3, "2514"}, kNoRadical, kNoRadical, kBelow},
        FieldCase{"fewer_remaining_than_strokes", {"E234", kKey, 3, "2514"}, kBelow, kBelow, kBelow},
        FieldCase{"code_comes_first", {"XYZ1", std::nullopt, 3, "2514"}, kCode, kCode, kCode}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(UserRadicalFieldsEntry, BuildsTheRowFromTheFields) {
    const auto e = checkAddRadicalFields({"e234", kKey, 5, "25"});
    ASSERT_TRUE(e);
    const auto row = encodeUserRadicalRow(userRadicalRowOf(*e));
    const std::array<std::uint8_t, 16> expected{0,   0,   0x34, 0xE2, '0', '0', '3', 'A',
                                                'A', '0', '5',  '2',  '5', '0', '0', '\n'};
    EXPECT_EQ(row, expected);
}

TEST(UserRadicalFieldsEntry, ASecondAddFilesUnderTheSameRadical) {
    const UserRadicalFields first{"E234", kKey, 2, "12"};
    ASSERT_TRUE(checkAddRadicalFields(first));
    UserRadicalFields next = fieldsAfterEdit(first);
    EXPECT_EQ(next.chosenKey, kKey);
    EXPECT_TRUE(next.codeText.empty() && next.strokes.empty() && next.remaining == 0);
    next.codeText = "E235";
    const auto second = checkAddRadicalFields(next);
    ASSERT_TRUE(second);
    EXPECT_EQ(second->key, *kKey);
}

TEST(UserRadicalRemainingField, AcceptsOneOrTwoDigits) {
    EXPECT_EQ(*checkUserRadicalRemainingField("7"), 7u);
    EXPECT_EQ(*checkUserRadicalRemainingField("99"), 99u);
    EXPECT_EQ(checkUserRadicalRemainingField("x").error().text, "请输入一个整数。");
    EXPECT_EQ(checkUserRadicalRemainingField("").error().text, "总笔画数仅限输入0-99。");
    EXPECT_EQ(checkUserRadicalRemainingField("100").error().text, "总笔画数仅限输入0-99。");
}

}  // namespace
}  // namespace tesvik::lookup
