#include "tesvik/ui/pages/RecentPicksRow.h"

#include "tesvik/program/RecentPicksFile.h"
#include "tesvik/ui/widgets/PageTestBed_testing.h"

#include <gtest/gtest.h>

#include <QAction>

#include <memory>

namespace tesvik::ui {
namespace {

using tesvik::program::testing::copyOf;
using tesvik::program::testing::outputOf;
using Values = std::vector<std::uint32_t>;

class RecentPicksRowTest : public ::testing::Test {
protected:
    std::unique_ptr<RecentPicksRow> makeRow() {
        return std::make_unique<RecentPicksRow>(bed.pageContext(), tesvik::program::recentPicksFile(bed.user.path()));
    }
    testing::PageTestBed bed;
};

TEST_F(RecentPicksRowTest, ShowsPicksNewestFirstAndKeepsThemAcrossARestart) {
    {
        auto row = makeRow();
        EXPECT_EQ(row->grid()->count(), 0);
        row->record(0x4E00);
        row->record(0x20000);  // a stroke grid's scalar
        row->record(0x4E00);
        EXPECT_EQ(row->grid()->candidates(), (Values{0x4E00, 0xD840DC00}));
        row->grid()->selectIndex(1);
        row->pinAction()->trigger();
        EXPECT_EQ(row->grid()->candidates(), (Values{0xD840DC00, 0x4E00}));
    }
    auto restarted = makeRow();
    EXPECT_EQ(restarted->grid()->candidates(), (Values{0xD840DC00, 0x4E00}));
    EXPECT_TRUE(restarted->picks().isPinned(0xD840DC00));
    restarted->clearAction()->trigger();
    EXPECT_EQ(restarted->grid()->candidates(), (Values{0xD840DC00}));
    EXPECT_EQ(makeRow()->grid()->candidates(), (Values{0xD840DC00}));
}

TEST_F(RecentPicksRowTest, HoldsThirtyTwoWithPinnedOnesKept) {
    auto row = makeRow();
    row->record(0x3400);
    row->setPinned(0x3400, true);
    for (std::uint32_t i = 0; i < 40; ++i) row->record(0x4E00 + i);
    const Values shown = row->grid()->candidates();
    ASSERT_EQ(shown.size(), 32u);
    EXPECT_EQ(shown.front(), 0x3400u);
    EXPECT_EQ(shown[1], 0x4E00u + 39);
    EXPECT_EQ(shown.back(), 0x4E00u + 9);
}

TEST_F(RecentPicksRowTest, IsOneRowFromTheLeftEdge) {
    auto row = makeRow();
    row->resize(500, 60);
    testing::showActive(row.get());
    for (std::uint32_t c = 0x4E00; c < 0x4E05; ++c) row->record(c);
    QApplication::processEvents();
    const QRect first = row->grid()->visualRect(row->grid()->model()->index(0, 0));
    const QRect second = row->grid()->visualRect(row->grid()->model()->index(1, 0));
    EXPECT_EQ(first.left(), 0);
    EXPECT_EQ(second.top(), first.top());
    EXPECT_EQ(second.left(), first.right() + 1);
}

TEST_F(RecentPicksRowTest, PinActionNamesWhatItWillDo) {
    auto row = makeRow();
    row->record(0x4E00);
    EXPECT_EQ(row->pinAction()->text(), QStringLiteral("固定"));
    row->pinAction()->trigger();
    EXPECT_EQ(row->pinAction()->text(), QStringLiteral("取消固定"));
}

TEST_F(RecentPicksRowTest, ItsCharactersAreOutputAndCopiedLikeAnyCandidate) {
    auto row = makeRow();
    row->record(0x4E00);
    row->record(0xE000);
    testing::showActive(row.get());
    row->grid()->setFocus();
    emit row->grid()->picked();
    emit row->grid()->copyRequested();
    emit row->grid()->codeCopyRequested(CodeCopy::StandardCharacter);
    emit row->grid()->codeCopyRequested(CodeCopy::HtmlReference);
    EXPECT_EQ(bed.output.requests,
              (std::vector<tesvik::program::testing::OutputRequest>{outputOf(0xE000), copyOf(0xE000), copyOf(0x3405)}));
    EXPECT_EQ(bed.output.copiedTexts, std::vector<std::string>{"&#xE000;"});
}

}  // namespace
}  // namespace tesvik::ui
