#include "tesvik/ui/pages/PinyinPage.h"

#include "tesvik/messages/Messages.h"
#include "tesvik/ui/widgets/CodeStatusLine.h"
#include "tesvik/ui/widgets/PageNotifier_testing.h"
#include "tesvik/ui/widgets/PageTestBed_testing.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>

#include <algorithm>

namespace tesvik::ui {
namespace {

using tesvik::program::testing::outputOf;
using tesvik::program::testing::OutputRequest;

class PinyinPageTest : public ::testing::Test, protected testing::PageTestBed {
protected:
    void SetUp() override {
        page = makePage(LUMENAR_DATA_DIR);
        edit = page->findChild<QLineEdit*>("pinyinEdit");
        grid = page->findChild<CandidateGrid*>("pinyinGrid");
        current = page->findChild<OneCellBox*>("pinyinCurrentCharBox");
        radical = page->findChild<OneCellBox*>("pinyinRadicalBox");
        status = page->findChild<CodeStatusLine*>("pinyinStatusLine");
        ASSERT_TRUE(edit && grid && current && radical && status);
    }

    std::unique_ptr<PinyinPage> makePage(const std::filesystem::path& data) {
        PageContext context{&settings, {}, &output};
        context.directories.data = data;
        auto made = std::make_unique<PinyinPage>(context);
        notices = testing::recordNotices(*made);
        made->resize(500, 300);
        made->show();
        made->activateWindow();
        QApplication::processEvents();
        return made;
    }

    void type(const QString& text) {
        edit->setText(text);
        QApplication::processEvents();  // the query runs after the edit
    }

    void pressReturn(QWidget* at) {
        QKeyEvent event(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(at, &event);
    }

    bool lists(std::uint32_t value) const {
        const auto& values = grid->candidates();
        return std::find(values.begin(), values.end(), value) != values.end();
    }

    testing::RecordingNotifier* notices = nullptr;
    std::unique_ptr<PinyinPage> page;
    QLineEdit* edit = nullptr;
    CandidateGrid* grid = nullptr;
    OneCellBox* current = nullptr;
    OneCellBox* radical = nullptr;
    CodeStatusLine* status = nullptr;
};

TEST_F(PinyinPageTest, OpensWithFirstToneAndTheFocusInTheField) {
    EXPECT_EQ(page->findChild<QComboBox*>("pinyinToneList")->currentIndex(), 0);
    EXPECT_EQ(page->findChild<QComboBox*>("pinyinToneList")->count(), 6);
    EXPECT_EQ(page->firstFocusWidget(), edit);
    EXPECT_EQ(QApplication::focusWidget(), edit);
    EXPECT_TRUE(notices->notices.empty());
    EXPECT_EQ(current->value(), 0u);
}

TEST_F(PinyinPageTest, TypingLowerCasesAndListsTheFirstTone) {
    type("Zhang");
    EXPECT_EQ(edit->text(), "zhang");
    EXPECT_TRUE(lists(0x5F20));   // 张
    EXPECT_FALSE(lists(0x957F));  // 长 is zhang3
    ASSERT_EQ(grid->selectedIndex(), 0);
    const std::uint32_t first = grid->candidates().front();
    EXPECT_EQ(current->value(), first);
    EXPECT_NE(radical->value(), 0u);
    EXPECT_FALSE(status->codeText().isEmpty());
    EXPECT_FALSE(status->blockText().isEmpty());
}

TEST_F(PinyinPageTest, SelectingZhangShowsItsRadical) {
    type("zhang");
    const auto& values = grid->candidates();
    const auto at = std::find(values.begin(), values.end(), 0x5F20u);
    ASSERT_NE(at, values.end());
    grid->selectIndex(static_cast<int>(at - values.begin()));
    EXPECT_EQ(current->value(), 0x5F20u);
    EXPECT_EQ(radical->value(), 0x2F38u);  // ⼸, the radical 弓
    EXPECT_EQ(status->codeText(), "5F20");
}

TEST_F(PinyinPageTest, TextOutsideAToZIsReportedAndMarked) {
    type("zh1ang");
    ASSERT_EQ(notices->notices.size(), 1u);
    EXPECT_EQ(notices->notices[0].text, "“zh1ang”不是合法的拼音，请输入合法的拼音字母a-z！");
    EXPECT_EQ(notices->notices[0].icon, PageNotifier::Icon::Question);
    EXPECT_EQ(notices->notices[0].caption, "LumenarTesvik向你报告：");
    EXPECT_EQ(edit->selectedText(), "1ang");
}

TEST_F(PinyinPageTest, ClearingTheFieldEmptiesEverything) {
    type("zhang");
    ASSERT_GT(grid->count(), 0);
    type("");
    EXPECT_EQ(grid->count(), 0);
    EXPECT_EQ(current->value(), 0u);
    EXPECT_EQ(radical->value(), 0u);
    EXPECT_EQ(status->codeText(), "");
    EXPECT_EQ(status->blockText(), "");
}

TEST_F(PinyinPageTest, EnterOutputsThenQueriesAgainKeepingTheIndex) {
    type("zhang");
    ASSERT_GT(grid->count(), 3);
    grid->selectIndex(3);
    const std::uint32_t chosen = *grid->selectedValue();
    edit->setFocus();
    QApplication::processEvents();
    pressReturn(edit);
    EXPECT_EQ(output.requests, std::vector<OutputRequest>{outputOf(chosen)});
    EXPECT_EQ(grid->selectedIndex(), 3);
    EXPECT_EQ(grid->selectedValue(), chosen);
}

TEST_F(PinyinPageTest, EnterOnAnEmptyGridRunsTheQueryOnly) {
    edit->setFocus();
    QApplication::processEvents();
    {
        const QSignalBlocker quiet(edit);
        edit->setText("ma");  // typed, the query not yet run
    }
    pressReturn(edit);
    EXPECT_TRUE(output.requests.empty());
    EXPECT_GT(grid->count(), 0);
}

TEST_F(PinyinPageTest, SpecialQueryListsTheBuiltInCharacters) {
    page->findChild<QComboBox*>("pinyinToneList")->setCurrentIndex(3);
    type("zzzz");
    EXPECT_EQ(grid->count(), 855 + 1);               // one of them is followed by its compatibility twin
    EXPECT_EQ(grid->candidates().front(), 0x4E5Bu);  // 乛
}

TEST_F(PinyinPageTest, OutsideGbkFilterHidesUnifiedIdeographsWithoutANewSearch) {
    type("zhang");
    const std::vector<std::uint32_t> all = grid->candidates();
    auto* check = page->findChild<QCheckBox*>("pinyinOutsideGbkCheck");
    check->setChecked(true);
    for (std::uint32_t v : grid->candidates()) EXPECT_FALSE(v >= 0x4E00 && v <= 0x9FBB) << std::hex << v;
    EXPECT_LT(grid->count(), static_cast<int>(all.size()));
    check->setChecked(false);
    EXPECT_EQ(grid->candidates(), all);
}

TEST_F(PinyinPageTest, FieldTakesSevenCharacters) {
    type("zhuangzhuang");
    EXPECT_EQ(edit->text().size(), 7);
}

TEST(PinyinPageFiles, MissingFilesAreReportedOnceAndQueriesFindNothing) {
    testing::PageTestBed bed;
    PinyinPage page(bed.pageContext("/nonexistent-pinyin-data"));
    const testing::RecordingNotifier& notices = *testing::recordNotices(page);
    QApplication::processEvents();
    ASSERT_EQ(notices.ids(), std::vector{tesvik::MessageId::PinyinFilesDamaged});
    EXPECT_EQ(notices.notices[0].icon, PageNotifier::Icon::Information);
    EXPECT_EQ(notices.notices[0].caption, tesvik::messageText(tesvik::MessageId::MainWindowCaption));
    page.findChild<QLineEdit*>("pinyinEdit")->setText("zhang");
    QApplication::processEvents();
    EXPECT_EQ(page.findChild<CandidateGrid*>("pinyinGrid")->count(), 0);
}

}  // namespace
}  // namespace tesvik::ui
