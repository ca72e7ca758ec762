#include "tesvik/ui/pages/RadicalLookupPage.h"

#include <gtest/gtest.h>

#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

#include "common/testing/ScratchDirectory.h"
#include "tesvik/chars/PackedChar.h"
#include "tesvik/ui/pages/RadicalDirectoryPage.h"
#include "tesvik/ui/widgets/KeyPresses_testing.h"
#include "tesvik/ui/widgets/PageNotifier_testing.h"
#include "tesvik/ui/widgets/PageTestBed_testing.h"

namespace tesvik::ui {
namespace {

using testing::RecordingNotifier;
using tesvik::program::testing::outputOf;

class RadicalLookupPageTest : public ::testing::Test, protected testing::PageTestBed {
protected:
    // The shipped data unless data names another folder.
    explicit RadicalLookupPageTest(const std::filesystem::path& data = LUMENAR_DATA_DIR) {
        page = std::make_unique<RadicalLookupPage>(pageContext(data));
        notices = testing::recordNotices(*page);
    }

    void showWith(quint32 radical, const char* key) {
        page->setCurrentRadical(radical, key);
        page->show();
    }

    template <class T>
    T* child(const char* name) {
        T* widget = page->findChild<T*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    CandidateGrid* grid() { return child<CandidateGrid>("radicalCharGrid"); }
    QAbstractSpinBox* remaining() { return child<QAbstractSpinBox>("remainingStrokesSpin"); }
    QLineEdit* remainingText() { return remaining()->findChild<QLineEdit*>(); }
    QLineEdit* strokes() { return child<QLineEdit>("radicalCharStrokeEdit"); }
    void pressStroke(char digit) {
        child<QPushButton>(("radicalCharStrokeButton" + std::string(1, digit)).c_str())->click();
    }

    std::unique_ptr<RadicalLookupPage> page;
    RecordingNotifier* notices = nullptr;
};

using Values = std::vector<std::uint32_t>;

TEST_F(RadicalLookupPageTest, ShowingListsTheRadicalAndItsCharactersWithoutRemainingStrokes) {
    showWith(0x2F00, "01A0");
    EXPECT_EQ(grid()->candidates(), (Values{0x2F00, 0x4E00}));
    EXPECT_EQ(grid()->selectedIndex(), 0);
    EXPECT_EQ(child<OneCellBox>("lookupRadicalBox")->value(), 0x2F00u);
    EXPECT_EQ(page->firstFocusWidget(), remaining());
    EXPECT_TRUE(notices->notices.empty());
}

TEST_F(RadicalLookupPageTest, RadicalWithoutCharactersListsItsIdeograph) {
    showWith(0x2ED3, "04CM");
    EXPECT_EQ(grid()->candidates(), (Values{0x2ED3, 0x957F}));
}

TEST_F(RadicalLookupPageTest, NoCurrentRadicalListsNothing) {
    page->show();
    EXPECT_EQ(grid()->count(), 0);
    EXPECT_EQ(child<OneCellBox>("lookupRadicalBox")->value(), 0u);
}

TEST_F(RadicalLookupPageTest, RemainingStrokesNarrowAndEnterOutputs) {
    showWith(0x2EA1, "03D4");
    remainingText()->setText("3");
    const Values found = grid()->candidates();
    ASSERT_FALSE(found.empty());
    EXPECT_EQ(found.front(), 0x3CBDu);
    EXPECT_EQ(std::count(found.begin(), found.end(), 0x2EA1u), 0);  // the radical only leads the initial list

    grid()->selectIndex(2);
    testing::pressKey(remainingText(), Qt::Key_Return, "\r");
    ASSERT_FALSE(output.requests.empty());
    EXPECT_EQ(output.requests.front(), outputOf(found[2]));
}

TEST_F(RadicalLookupPageTest, SupplementaryScalarsAreListed) {
    showWith(0x2EA1, "03D4");
    remainingText()->setText("3");
    const Values found = grid()->candidates();
    const bool hasSupplementary = std::any_of(found.begin(), found.end(), [](std::uint32_t v) {
        return tesvik::chars::codePointOf(v) >= 0x20000 || (v >= 0x20000 && v <= 0xFFFFE);
    });
    EXPECT_TRUE(hasSupplementary);
}

TEST_F(RadicalLookupPageTest, EnterRemembersThePositionForTheNextShowing) {
    showWith(0x2F00, "01A0");
    grid()->selectIndex(1);
    testing::pressKey(grid(), Qt::Key_Space, " ");
    EXPECT_EQ(output.requests, std::vector{outputOf(0x4E00)});
    page->hide();
    page->show();
    EXPECT_EQ(grid()->selectedIndex(), 1);
    page->hide();
    page->show();
    EXPECT_EQ(grid()->selectedIndex(), 0);  // remembered once only
}

TEST_F(RadicalLookupPageTest, ShowingResetsTheQuery) {
    showWith(0x2EA1, "03D4");
    remainingText()->setText("12");
    pressStroke('2');
    page->hide();
    page->show();
    EXPECT_EQ(page->query().remaining, 0u);
    EXPECT_TRUE(page->query().strokes.empty());
    EXPECT_TRUE(strokes()->text().isEmpty());
    EXPECT_EQ(remaining()->text(), "0");
    EXPECT_EQ(grid()->candidates().front(), 0x2EA1u);
}

TEST_F(RadicalLookupPageTest, RemainingAndFourStrokesMustAllMatch) {
    showWith(0x2EA1, "03D4");
    remainingText()->setText("12");
    for (char digit : {'2', '5', '1', '4'}) pressStroke(digit);
    EXPECT_EQ(strokes()->text(), QString::fromUtf8("丨乙一丶"));
    EXPECT_EQ(grid()->candidates().front(), 0x3D4Au);

    pressStroke('1');
    EXPECT_EQ(notices->ids(), std::vector{tesvik::MessageId::FourStrokesOnly});
    EXPECT_EQ(page->query().strokes, "2514");
}

TEST_F(RadicalLookupPageTest, TypedStrokesAreLimitedToFour) {
    showWith(0x2EA1, "03D4");
    testing::typeText(strokes(), "1");
    EXPECT_FALSE(grid()->candidates().empty());
    EXPECT_NE(grid()->candidates().front(), 0x2EA1u);  // any remaining count, no radical in front
    testing::typeText(strokes(), "2345");
    EXPECT_EQ(notices->ids(), std::vector{tesvik::MessageId::FourStrokesOnly});
    EXPECT_EQ(strokes()->text(), QString::fromUtf8("一丨丿丶"));
    EXPECT_EQ(page->query().strokes, "1234");
}

TEST_F(RadicalLookupPageTest, RemainingFieldTakesDigitsOnly) {
    showWith(0x2EA1, "03D4");
    remainingText()->setText("1a");
    ASSERT_EQ(notices->ids(), std::vector{tesvik::MessageId::InvalidStrokeCount});
    EXPECT_EQ(notices->notices.front().text, "“1a”不是合法的笔画数，请输入合法的笔画0-9！");
    EXPECT_EQ(notices->notices.front().caption, "LumenarTesvik向你报告：");
    EXPECT_EQ(remainingText()->selectedText(), "a");
    EXPECT_EQ(page->query().remaining, 0u);
}

TEST_F(RadicalLookupPageTest, SpinStepsStayWithinTheRange) {
    showWith(0x2EA1, "03D4");
    remaining()->stepBy(3);
    EXPECT_EQ(remaining()->text(), "3");
    EXPECT_EQ(page->query().remaining, 3u);
    remaining()->stepBy(100);
    EXPECT_EQ(remaining()->text(), "50");
    remaining()->stepBy(-100);
    EXPECT_EQ(remaining()->text(), "0");
}

TEST_F(RadicalLookupPageTest, OutsideGbkRefillsFromTheKeptList) {
    showWith(0x2EA1, "03D4");
    remainingText()->setText("3");
    const Values all = grid()->candidates();
    child<QCheckBox>("radicalOutsideGbkCheck")->setChecked(true);
    const Values outside = grid()->candidates();
    EXPECT_LT(outside.size(), all.size());
    for (std::uint32_t v : outside) EXPECT_TRUE(v < 0x4E00 || v > 0x9FBB) << std::hex << v;
    child<QCheckBox>("radicalOutsideGbkCheck")->setChecked(false);
    EXPECT_EQ(grid()->candidates(), all);
}

TEST_F(RadicalLookupPageTest, DoubleClickOutputsAndEscapeIsConsumed) {
    showWith(0x2F00, "01A0");
    emit grid()->picked();
    EXPECT_EQ(output.requests, std::vector{outputOf(0x2F00)});
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(strokes(), &escape);
    EXPECT_TRUE(escape.isAccepted());
}

// The scratch directory exists before the page that reads it.
struct ScratchHolder {
    lumenar::testing::ScratchDirectory scratch;
};

class RadicalLookupWithoutDataTest : protected ScratchHolder, public RadicalLookupPageTest {
protected:
    RadicalLookupWithoutDataTest() : RadicalLookupPageTest(scratch.path()) {}
};

TEST_F(RadicalLookupWithoutDataTest, MissingShippedFilesAreReportedAndTheRadicalStays) {
    showWith(0x2F00, "01A0");
    EXPECT_EQ(notices->ids(), std::vector{tesvik::MessageId::DataFilesMissing});
    EXPECT_EQ(grid()->candidates(), (Values{0x2F00}));
}

// The two pages wired as the main window wires them, driven by keys only.
TEST(RadicalPagesTogether, KeysFindACharacterUnderWater) {
    testing::PageTestBed bed;
    RadicalDirectoryPage directory(bed.pageContext());
    RadicalLookupPage lookup(bed.pageContext());
    QObject::connect(&directory, &RadicalDirectoryPage::radicalChosen, &lookup, &RadicalLookupPage::setCurrentRadical);
    QObject::connect(&directory, &CandidatePage::requestPage, [&](int index) {
        ASSERT_EQ(index, RadicalDirectoryPage::kLookupPageIndex);
        directory.hide();
        lookup.show();
    });
    directory.show();

    testing::typeText(directory.firstFocusWidget(), "441");
    testing::pressKey(directory.firstFocusWidget(), Qt::Key_Return, "\r");
    ASSERT_TRUE(lookup.isVisible());
    EXPECT_EQ(lookup.currentRadical().radical, 0x2EA1u);

    QWidget* remainingField = lookup.firstFocusWidget();
    testing::typeText(remainingField, "3");
    testing::pressKey(remainingField, Qt::Key_Return, "\r");
    EXPECT_EQ(bed.output.requests, std::vector{outputOf(0x3CBD)});
}

}  // namespace
}  // namespace tesvik::ui
