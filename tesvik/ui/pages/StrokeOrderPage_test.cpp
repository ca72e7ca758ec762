#include "tesvik/ui/pages/StrokeOrderPage.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "common/testing/ScratchDirectory.h"
#include "tesvik/lookup/stroke/StrokeFiles.h"
#include "tesvik/ui/widgets/CandidateGrid.h"
#include "tesvik/ui/widgets/KeyPresses_testing.h"
#include "tesvik/ui/widgets/PageNotifier_testing.h"
#include "tesvik/ui/widgets/PageTestBed_testing.h"
#include "tesvik/ui/widgets/StrokeCountSpin.h"

namespace tesvik::ui {
namespace {

namespace fs = std::filesystem;
using testing::pressBackspace;
using testing::pressEnter;
using testing::pressKey;
using testing::typeText;
using tesvik::MessageId;
using tesvik::program::testing::outputOf;

const fs::path kShippedData = LUMENAR_DATA_DIR;

class StrokeOrderPageTest : public ::testing::Test, protected testing::PageTestBed {
protected:
    void SetUp() override { makePage(kShippedData); }

    void makePage(const fs::path& data) {
        page = std::make_unique<StrokeOrderPage>(pageContext(data));
        notices = testing::recordNotices(*page);
        count = page->findChild<StrokeCountSpin*>("strokeCountEdit");
        strokes = page->findChild<QLineEdit*>("strokeEdit");
        grid = page->findChild<CandidateGrid*>("strokeGrid");
        ASSERT_NE(count, nullptr);
        ASSERT_NE(strokes, nullptr);
        ASSERT_NE(grid, nullptr);
    }

    QPushButton* button(const char* name) { return page->findChild<QPushButton*>(name); }
    QCheckBox* check(const char* name) { return page->findChild<QCheckBox*>(name); }

    std::vector<std::uint32_t> expected(const tesvik::lookup::StrokeQuery& query) {
        const auto found = tesvik::lookup::searchByStrokes(kShippedData, user.path(), query);
        EXPECT_TRUE(found.ok());
        const auto visible = tesvik::lookup::visibleCandidates(found.value(), query.outsideGbkOnly);
        return {visible.begin(), visible.end()};
    }

    std::unique_ptr<StrokeOrderPage> page;
    testing::RecordingNotifier* notices = nullptr;
    StrokeCountSpin* count = nullptr;
    QLineEdit* strokes = nullptr;
    CandidateGrid* grid = nullptr;
};

TEST_F(StrokeOrderPageTest, StartsEmptyWithTheFocusOnTheCountField) {
    EXPECT_EQ(page->firstFocusWidget(), count);
    EXPECT_EQ(grid->count(), 0);
    EXPECT_EQ(page->objectName(), "strokeOrderPage");
    EXPECT_EQ(grid->accessibleName(), QString::fromUtf8("按笔顺检字候选汉字"));
}

TEST_F(StrokeOrderPageTest, CountOneListsTheOneStrokeCharactersAndEnterOutputsTheFirst) {
    typeText(count, "1");
    ASSERT_GT(grid->count(), 0);
    EXPECT_EQ(grid->candidates(), expected({1, "", false, false}));
    EXPECT_EQ(grid->candidates().front(), 0x4E00u);
    EXPECT_EQ(grid->selectedIndex(), 0);
    pressEnter(count);
    EXPECT_EQ(output.requests, (std::vector{outputOf(0x4E00)}));
    EXPECT_TRUE(notices->notices.empty());
}

TEST_F(StrokeOrderPageTest, KeyboardSequencesReachRareCharactersFirst) {
    struct Case {
        QString count, strokes;
        std::uint32_t first;
    };
    const std::vector<Case> cases = {
        {"1", "", 0x4E00},        // 一
        {"1", "21", 0xD840DCCE},  // U+200CE, filed under one stroke too
        {"2", "31", 0xE01E},      // a Private Use Area character
    };
    for (const Case& c : cases) {
        makePage(kShippedData);
        output.requests.clear();
        typeText(count, c.count);
        typeText(strokes, c.strokes);
        pressEnter(strokes);
        EXPECT_EQ(output.requests, (std::vector{outputOf(c.first)}))
            << c.count.toStdString() << " " << c.strokes.toStdString();
    }
}

TEST_F(StrokeOrderPageTest, TabLeadsFromTheCountToTheStrokeField) {
    page->show();
    page->activateWindow();
    QApplication::processEvents();
    page->firstFocusWidget()->setFocus();
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    pressKey(QApplication::focusWidget(), Qt::Key_Tab);
    QApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), strokes);
}

TEST_F(StrokeOrderPageTest, TypedStrokeKeysNarrowTheCountGroupToASupplementaryCharacter) {
    typeText(count, "2");
    typeText(strokes, "15");
    EXPECT_EQ(strokes->text(), QString::fromUtf8("一乙"));
    EXPECT_EQ(page->query().strokes, "15");
    const auto candidates = grid->candidates();
    EXPECT_EQ(candidates, expected({2, "15", false, false}));
    ASSERT_GE(candidates.size(), 5u);
    EXPECT_EQ(candidates[4], 0xD840DC00u);  // U+20000
    grid->selectIndex(4);
    pressKey(strokes, Qt::Key_Space, " ");
    EXPECT_EQ(output.requests, (std::vector{outputOf(0xD840DC00u)}));
    EXPECT_TRUE(notices->notices.empty()) << "Space is the output key here, not a wrong stroke key";
}

TEST_F(StrokeOrderPageTest, StrokeButtonsAppendUpToTenAndBackRemovesTheLast) {
    typeText(count, "12");
    for (int i = 0; i < 10; ++i) button("strokeButton2")->click();
    EXPECT_EQ(page->query().strokes, "2222222222");
    EXPECT_TRUE(notices->notices.empty());
    button("strokeButton1")->click();
    EXPECT_EQ(notices->ids(), std::vector{MessageId::TenStrokesOnly});
    EXPECT_EQ(page->query().strokes, "2222222222");
    EXPECT_EQ(strokes->text().size(), 10);

    for (int i = 0; i < 9; ++i) button("strokeBackButton")->click();
    EXPECT_EQ(page->query().strokes, "2");
    EXPECT_EQ(strokes->text(), QString::fromUtf8("丨"));
    EXPECT_EQ(grid->candidates(), expected({12, "2", false, false}));
    EXPECT_EQ(button("strokeButton5")->toolTip(), QString::fromUtf8("输入“乀乛乙乚“"));
    EXPECT_EQ(button("strokeButton1")->toolTip(), QString::fromUtf8("输入\"一\""));
}

TEST_F(StrokeOrderPageTest, EleventhTypedStrokeIsTakenOutAgain) {
    typeText(strokes, "1234512345");
    EXPECT_EQ(page->query().strokes, "1234512345");
    typeText(strokes, "3");
    EXPECT_EQ(notices->ids(), std::vector{MessageId::TenStrokesOnly});
    EXPECT_EQ(page->query().strokes, "1234512345");
    EXPECT_EQ(strokes->text(), QString::fromUtf8("一丨丿丶乙一丨丿丶乙"));
}

TEST_F(StrokeOrderPageTest, OtherKeysInTheStrokeFieldNameTheConfiguredKeys) {
    settings.strokeKeys = "hspnz";
    pressKey(strokes, Qt::Key_Space, " ");  // empty grid: Space is just a wrong key
    ASSERT_EQ(notices->notices.size(), 1u);
    EXPECT_TRUE(output.requests.empty());
    typeText(strokes, "h1");
    EXPECT_EQ(strokes->text(), QString::fromUtf8("一"));
    ASSERT_EQ(notices->notices.size(), 2u);
    for (const auto& notice : notices->notices) {
        EXPECT_EQ(notice.text, "输入有误，请输入代表笔画信息的快捷键：hspnz");
        EXPECT_EQ(notice.caption, "LumenarTesvik向你报告：");
    }
}

TEST_F(StrokeOrderPageTest, StrokesFollowTheGlyphsWhereverTheCaretIs) {
    typeText(count, "9");
    typeText(strokes, "13");
    strokes->setCursorPosition(1);
    typeText(strokes, "2");
    EXPECT_EQ(strokes->text(), QString::fromUtf8("一丨丿"));
    EXPECT_EQ(page->query().strokes, "123");
    strokes->setCursorPosition(1);
    pressBackspace(strokes);
    EXPECT_EQ(page->query().strokes, "23");
    EXPECT_EQ(grid->candidates(), expected({9, "23", false, false}));
}

TEST_F(StrokeOrderPageTest, PastedTextThatIsNotStrokesIsUndone) {
    typeText(strokes, "1");
    strokes->insert(QStringLiteral("abc"));
    EXPECT_EQ(strokes->text(), QString::fromUtf8("一"));
    EXPECT_EQ(page->query().strokes, "1");
}

TEST_F(StrokeOrderPageTest, CountWithANonDigitIsRefusedAndSelectedFromThere) {
    typeText(count, "5");
    const auto five = grid->candidates();
    typeText(count, "x");
    ASSERT_EQ(notices->notices.size(), 1u);
    EXPECT_EQ(notices->notices[0].text, "“5x”不是合法的笔画数，请输入合法的笔画0-9！");
    EXPECT_EQ(notices->notices[0].caption, "LumenarTesvik向你报告：");
    EXPECT_EQ(count->findChild<QLineEdit*>()->selectedText(), "x");
    EXPECT_EQ(page->query().count, 5u);
    EXPECT_EQ(grid->candidates(), five);
}

TEST_F(StrokeOrderPageTest, EmptyingTheCountDoesNotSearch) {
    typeText(count, "3");
    const auto three = grid->candidates();
    pressBackspace(count);
    EXPECT_EQ(count->countText(), "");
    EXPECT_EQ(grid->candidates(), three);
    EXPECT_EQ(page->query().count, 0u);
}

TEST_F(StrokeOrderPageTest, SpinArrowsStepTheCountAndSearch) {
    count->stepBy(1);
    EXPECT_EQ(count->countText(), "1");
    EXPECT_EQ(grid->candidates(), expected({1, "", false, false}));
    count->stepBy(100);
    EXPECT_EQ(count->countText(), "70");
    count->stepBy(-100);
    EXPECT_EQ(count->countText(), "0");
    EXPECT_EQ(grid->count(), 0);  // count 0 and no strokes
}

TEST_F(StrokeOrderPageTest, ToleranceAddsTheNeighbouringGroups) {
    typeText(count, "5");
    check("strokeToleranceCheck")->click();
    EXPECT_TRUE(page->query().tolerance);
    EXPECT_EQ(grid->candidates(), expected({5, "", true, false}));
    check("strokeToleranceCheck")->click();
    EXPECT_EQ(grid->candidates(), expected({5, "", false, false}));
}

TEST_F(StrokeOrderPageTest, OutsideGbkRefillsFromTheKeptListWithoutSearching) {
    lumenar::testing::ScratchDirectory data;
    for (auto name : {tesvik::lookup::kShippedStrokeIndexFileName, tesvik::lookup::kShippedStrokeRecordFileName}) {
        fs::copy_file(kShippedData / name, data.path() / name);
    }
    makePage(data.path());
    typeText(count, "1");
    ASSERT_EQ(grid->candidates().front(), 0x4E00u);
    fs::remove(data.path() / tesvik::lookup::kShippedStrokeRecordFileName);  // a new search would complain
    check("strokeOutsideGbkCheck")->click();
    EXPECT_TRUE(notices->notices.empty());
    EXPECT_EQ(grid->candidates(), expected({1, "", false, true}));
    for (auto value : grid->candidates()) EXPECT_TRUE(tesvik::lookup::isOutsideGbk(value)) << std::hex << value;
    check("strokeOutsideGbkCheck")->click();
    EXPECT_EQ(grid->candidates().front(), 0x4E00u);
}

TEST_F(StrokeOrderPageTest, EnterRemembersThePositionForTheNextFillOnly) {
    typeText(count, "4");
    grid->selectIndex(3);
    const auto chosen = grid->candidates()[3];
    pressEnter(strokes);
    EXPECT_EQ(output.requests, (std::vector{outputOf(chosen)}));
    typeText(strokes, "2");
    EXPECT_EQ(grid->selectedIndex(), 3);
    typeText(strokes, "5");
    EXPECT_EQ(grid->selectedIndex(), 0);
}

TEST_F(StrokeOrderPageTest, EnterWithAnEmptyGridOutputsNothing) {
    pressEnter(count);
    pressKey(count, Qt::Key_Space, " ");
    EXPECT_TRUE(output.requests.empty());
}

TEST_F(StrokeOrderPageTest, MissingShippedRecordsReportBothMessagesAndEmptyTheGrid) {
    lumenar::testing::ScratchDirectory data;
    fs::copy_file(kShippedData / tesvik::lookup::kShippedStrokeIndexFileName,
                  data.path() / tesvik::lookup::kShippedStrokeIndexFileName);
    makePage(data.path());
    typeText(count, "1");
    ASSERT_EQ(notices->ids(), (std::vector{MessageId::SystemFileError, MessageId::DataFilesMissing}));
    EXPECT_EQ(notices->notices[0].icon, PageNotifier::Icon::None);
    EXPECT_EQ(notices->notices[1].icon, PageNotifier::Icon::Information);
    EXPECT_EQ(grid->count(), 0);
}

TEST_F(StrokeOrderPageTest, MissingShippedIndexReportsLostFiles) {
    lumenar::testing::ScratchDirectory data;
    makePage(data.path());
    button("strokeButton1")->click();
    EXPECT_EQ(notices->ids(), std::vector{MessageId::DataFilesMissing});
    EXPECT_EQ(grid->count(), 0);
}

}  // namespace
}  // namespace tesvik::ui
