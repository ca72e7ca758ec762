#include "tesvik/ui/pages/SymbolPage.h"

#include "tesvik/ui/widgets/CodeStatusLine.h"
#include "tesvik/ui/widgets/PageTestBed_testing.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QKeyEvent>

#include <algorithm>

namespace tesvik::ui {
namespace {

using tesvik::program::testing::outputOf;
using tesvik::program::testing::OutputRequest;

constexpr int kCurrency = 9;
constexpr int kRadicalsSupplement = 20;
constexpr int kSupplementArea = 32;  // 补字区
constexpr int kPrivateUse = 33;      // 专用区
constexpr int kCompatibility = 34;   // CJK兼容汉字

class SymbolPageTest : public ::testing::Test, protected testing::PageTestBed {
protected:
    void SetUp() override {
        page = std::make_unique<SymbolPage>(pageContext());
        page->resize(500, 300);
        testing::showActive(page.get());
        subsets = page->findChild<QComboBox*>("symbolSubsetList");
        grid = page->findChild<CandidateGrid*>("symbolGrid");
        status = page->findChild<CodeStatusLine*>("symbolStatusLine");
        ASSERT_TRUE(subsets && grid && status);
    }

    void select(std::uint32_t value) {
        const auto& values = grid->candidates();
        const auto at = std::find(values.begin(), values.end(), value);
        ASSERT_NE(at, values.end()) << std::hex << value;
        grid->selectIndex(static_cast<int>(at - values.begin()));
    }

    std::unique_ptr<SymbolPage> page;
    QComboBox* subsets = nullptr;
    CandidateGrid* grid = nullptr;
    CodeStatusLine* status = nullptr;
};

TEST_F(SymbolPageTest, OpensOnBasicLatin) {
    EXPECT_EQ(subsets->count(), 38);
    EXPECT_EQ(subsets->itemText(0), "基本拉丁语");
    EXPECT_EQ(subsets->currentIndex(), 0);
    EXPECT_EQ(grid->count(), 95);
    EXPECT_EQ(grid->selectedIndex(), 0);
    EXPECT_EQ(status->codeText(), "0020");
    EXPECT_EQ(grid->look().cellWidth, 35);
    EXPECT_EQ(grid->look().cellHeight, 35);
}

TEST_F(SymbolPageTest, SubsetsListTheirCharacters) {
    subsets->setCurrentIndex(kCurrency);
    EXPECT_EQ(grid->candidates(), std::vector<std::uint32_t>{0x20AC});
    subsets->setCurrentIndex(kRadicalsSupplement);
    EXPECT_EQ(grid->count(), 115);
    const auto& values = grid->candidates();
    EXPECT_EQ(std::find(values.begin(), values.end(), 0x2E9Au), values.end());
}

TEST_F(SymbolPageTest, TheListFollowsTheSelectedCharacterButTheGridStays) {
    subsets->setCurrentIndex(kSupplementArea);
    const int held = grid->count();
    select(0xE815);
    EXPECT_EQ(subsets->currentIndex(), kPrivateUse);
    EXPECT_EQ(page->heldSubset(), kSupplementArea);
    EXPECT_EQ(grid->count(), held);
    select(0xE000);
    EXPECT_EQ(subsets->currentIndex(), kSupplementArea);
}

TEST_F(SymbolPageTest, OutputRefillsWithTheSubsetShown) {
    subsets->setCurrentIndex(kSupplementArea);
    select(0xFA0C);
    EXPECT_EQ(subsets->currentIndex(), kCompatibility);
    emit grid->picked();
    EXPECT_EQ(output.requests, std::vector<OutputRequest>{outputOf(0xFA0C)});
    EXPECT_EQ(grid->count(), 21);
    EXPECT_EQ(page->heldSubset(), kCompatibility);
}

TEST_F(SymbolPageTest, ChoosingTheHeldSubsetKeepsTheSelection) {
    subsets->setCurrentIndex(kSupplementArea);
    select(0xE815);
    const int selected = grid->selectedIndex();
    ASSERT_EQ(subsets->currentIndex(), kPrivateUse);
    subsets->setCurrentIndex(kSupplementArea);  // the subset the grid holds
    EXPECT_EQ(grid->selectedIndex(), selected);
    EXPECT_EQ(grid->selectedValue(), 0xE815u);
}

TEST_F(SymbolPageTest, Gb18030Codes) {
    page->findChild<QComboBox*>("codeFormatList")->setCurrentIndex(1);
    select(0x0041);
    EXPECT_EQ(status->codeText(), "0041");
    subsets->setCurrentIndex(23);  // CJK符号和标点
    select(0x3000);
    EXPECT_EQ(status->codeText(), "A1A1");
}

TEST_F(SymbolPageTest, SpaceOutputsEscapeIsLeftAlone) {
    grid->setFocus();
    QApplication::processEvents();
    grid->selectIndex(33);  // 'A'
    QKeyEvent space(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ");
    QApplication::sendEvent(grid, &space);
    EXPECT_EQ(output.requests, std::vector<OutputRequest>{outputOf(0x41)});
    EXPECT_EQ(grid->selectedIndex(), 33);  // the refill selects it again
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(grid, &escape);
    EXPECT_EQ(QApplication::focusWidget(), grid);
}

}  // namespace
}  // namespace tesvik::ui
