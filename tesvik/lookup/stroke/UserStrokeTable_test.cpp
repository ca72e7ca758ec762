#include "tesvik/lookup/stroke/UserStrokeTable.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/testing/ScratchDirectory.h"
#include "tesvik/lookup/files/IndexFixtures_testing.h"
#include "tesvik/lookup/stroke/StrokeFiles.h"
#include "tesvik/lookup/stroke/StrokeSearch.h"

namespace tesvik::lookup {
namespace {

UserStrokeEntry entryFor(const std::string& code, const std::string& total, const std::string& strokes) {
    return checkUserStrokeFields({code, total, strokes}).value();
}

ConfirmQuestion answer(bool yes, std::vector<std::string>* asked = nullptr) {
    return [yes, asked](const Message& question, const Message& caption) {
        if (asked) asked->push_back(caption.text + " " + question.text);
        return yes;
    };
}

class UserStrokeTableTest : public ::testing::Test {
protected:
    std::filesystem::path tablePath() const { return dir.path() / kUserStrokeTableFileName; }

    // The table as "total:code" items, in file order.
    std::vector<std::string> rows() const {
        const auto bytes = fixtures::readBytes(tablePath());
        std::vector<std::string> out;
        for (std::size_t at = 0; at + kUserStrokeRowSize <= bytes.size(); at += kUserStrokeRowSize) {
            const auto row = decodeUserStrokeRow(
                std::span<const std::uint8_t, kUserStrokeRowSize>(bytes.data() + at, kUserStrokeRowSize));
            char code[8];
            std::snprintf(code, sizeof code, "%04X", static_cast<unsigned>(row.character));
            out.push_back(std::string(row.count.text()) + ":" + code);
        }
        return out;
    }

    std::vector<chars::PackedChar> userSearch(std::uint32_t count) const {
        lumenar::testing::ScratchDirectory shipped;
        fixtures::writeShippedStrokePair(shipped.path(), std::vector<fixtures::StrokeLine>{});
        const auto found = searchByStrokes(shipped.path(), dir.path(), {count, "", false, false});
        return visibleCandidates(found.value(), false);
    }

    void add(const std::string& code, const std::string& total, const std::string& strokes = "1") {
        const auto result = addStrokeEntry(dir.path(), entryFor(code, total, strokes));
        ASSERT_TRUE(result.ok());
        EXPECT_EQ(result.value()->text, "添加成功！");
    }

    lumenar::testing::ScratchDirectory dir;
};

TEST_F(UserStrokeTableTest, AddingKeepsTheTableOrderedByTotalThenByInsertion) {
    add("E001", "12");
    add("E002", "5");
    add("E003", "12");
    add("E004", "7");
    EXPECT_EQ(rows(), (std::vector<std::string>{"05:E002", "07:E004", "12:E001", "12:E003"}));
    EXPECT_EQ(userSearch(12), (std::vector<chars::PackedChar>{0xE001, 0xE003}));  // regenerated
}

TEST_F(UserStrokeTableTest, AddingAnExistingCodeChangesNothingAndNamesTheCode) {
    add("E234", "5");
    const auto before = fixtures::readBytes(tablePath());
    const auto result = addStrokeEntry(dir.path(), entryFor("e234", "9", "12"));
    ASSERT_FALSE(result.ok());
    ASSERT_EQ(result.error().size(), 1u);
    EXPECT_EQ(result.error()[0].text, "UNICODE:e234已经存在无法添加,若要修改，请进行修改操作！");
    EXPECT_EQ(fixtures::readBytes(tablePath()), before);
}

TEST_F(UserStrokeTableTest, ModifyingMovesTheRowToItsNewTotalAfterConfirmation) {
    add("E001", "3");
    add("E002", "5");
    add("E003", "8");
    std::vector<std::string> asked;
    const auto result = modifyStrokeEntry(dir.path(), entryFor("E001", "9", "12"), answer(true, &asked));
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result.value()->text, "修改成功，你现在可以用新的方式录入该字！");
    EXPECT_EQ(asked,
              (std::vector<std::string>{"修改提示！ 修改这个字后，原有的检索方式将无效，您确认要修改这个字符吗?"}));
    EXPECT_EQ(rows(), (std::vector<std::string>{"05:E002", "08:E003", "09:E001"}));
    EXPECT_EQ(userSearch(3), std::vector<chars::PackedChar>{});
    EXPECT_EQ(userSearch(9), std::vector<chars::PackedChar>{0xE001});
}

TEST_F(UserStrokeTableTest, AnsweringNoLeavesEverythingAsItWas) {
    add("E001", "3");
    const auto before = fixtures::readBytes(tablePath());
    const auto modified = modifyStrokeEntry(dir.path(), entryFor("E001", "9", "12"), answer(false));
    ASSERT_TRUE(modified.ok());
    EXPECT_EQ(*modified, std::nullopt);
    const auto deleted = deleteStrokeEntry(dir.path(), 0xE001, answer(false));
    ASSERT_TRUE(deleted.ok());
    EXPECT_EQ(*deleted, std::nullopt);
    EXPECT_EQ(fixtures::readBytes(tablePath()), before);
}

TEST_F(UserStrokeTableTest, DeletingTheOnlyRowLeavesAnEmptyTableAndPair) {
    add("E001", "3");
    std::vector<std::string> asked;
    const auto result = deleteStrokeEntry(dir.path(), 0xE001, answer(true, &asked));
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result.value()->text, "删除该字成功，你将无法用笔顺输入该字！");
    EXPECT_EQ(asked,
              (std::vector<std::string>{"修改提示！ 删除这个字后，您以后将不能再输入这个字，您确认要删除这个字符吗?"}));
    EXPECT_TRUE(fixtures::readBytes(tablePath()).empty());
    EXPECT_TRUE(fixtures::readBytes(dir.path() / kUserStrokeRecordFileName).empty());
    EXPECT_EQ(readStrokeIndex(dir.path() / kUserStrokeIndexFileName).value(),
              (std::vector<StrokeIndexEntry>{{kStrokeIndexEndKey, 0}}));
}

TEST_F(UserStrokeTableTest, ModifyOrDeleteOfAnAbsentCodeCreatesTheTableAndSaysSo) {
    const auto modified = modifyStrokeEntry(dir.path(), entryFor("E001", "3", "1"), answer(true));
    ASSERT_FALSE(modified.ok());
    EXPECT_EQ(modified.error()[0].text, "您所要修改的字不在补字范围，不能修改！请先添加该补字！");
    EXPECT_TRUE(std::filesystem::exists(tablePath()));
    const auto deleted = deleteStrokeEntry(dir.path(), 0xE001, answer(true));
    ASSERT_FALSE(deleted.ok());
    EXPECT_EQ(deleted.error()[0].text, "您所要删除的字不在补字范围，不能删除！请确认您所要删除的字！");
}

TEST_F(UserStrokeTableTest, TailsOfAnyLengthMove) {
    // More rows than a 64,000-byte buffer holds, all behind the insertion point.
    std::vector<fixtures::UserStrokeLine> lines;
    for (unsigned i = 0; i < 5000; ++i) lines.push_back({"20", "1", static_cast<chars::PackedChar>(0xE100 + i)});
    fixtures::writeBytes(tablePath(), fixtures::userStrokeTableBytes(lines));
    add("E000", "2");
    const auto table = rows();
    ASSERT_EQ(table.size(), 5001u);
    EXPECT_EQ(table.front(), "02:E000");
    EXPECT_EQ(table.back(), "20:F487");
    ASSERT_TRUE(deleteStrokeEntry(dir.path(), 0xE000, answer(true)).ok());
    EXPECT_EQ(fixtures::readBytes(tablePath()), fixtures::userStrokeTableBytes(lines));
}

TEST_F(UserStrokeTableTest, UnreadableTableIsAnInternalFileError) {
    std::filesystem::create_directory(tablePath());
    const auto result = addStrokeEntry(dir.path(), entryFor("E001", "3", "1"));
    ASSERT_FALSE(result.ok());
    ASSERT_EQ(result.error().size(), 2u);
    EXPECT_EQ(result.error()[0].text, "内部文件错误！");
    EXPECT_EQ(result.error()[1].text, "文件生成错误,请重新操作。");
}

TEST_F(UserStrokeTableTest, FailedRegenerationPutsTheTableAndItsPairBack) {
    add("E001", "3");
    const auto before = fixtures::readBytes(tablePath());
    const auto recordsBefore = fixtures::readBytes(dir.path() / kUserStrokeRecordFileName);
    std::filesystem::remove(dir.path() / kUserStrokeIndexFileName);
    std::filesystem::create_directory(dir.path() / kUserStrokeIndexFileName);  // cannot be replaced
    const auto result = addStrokeEntry(dir.path(), entryFor("E002", "4", "1"));
    ASSERT_FALSE(result.ok());
    ASSERT_EQ(result.error().size(), 1u);
    EXPECT_EQ(result.error()[0].id, MessageId::TableWriteFailed);
    EXPECT_EQ(fixtures::readBytes(tablePath()), before);
    EXPECT_EQ(fixtures::readBytes(dir.path() / kUserStrokeRecordFileName), recordsBefore);
}

}  // namespace
}  // namespace tesvik::lookup
