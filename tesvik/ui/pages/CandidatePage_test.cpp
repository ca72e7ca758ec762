#include "tesvik/ui/pages/CandidatePage.h"

#include "tesvik/ui/widgets/KeyPresses_testing.h"
#include "tesvik/ui/widgets/PageTestBed_testing.h"

#include <gtest/gtest.h>

#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QVBoxLayout>

namespace tesvik::ui {
namespace {

using testing::focusOn;
using testing::pressOnly;
using tesvik::program::testing::copyOf;
using tesvik::program::testing::outputOf;
using tesvik::program::testing::OutputRequest;

// A page with a query field inside a group box, a grid and a box.
class TestPage : public CandidatePage {
public:
    TestPage(PageContext context, OutputKeys keys) : CandidatePage(std::move(context)) {
        auto* layout = new QVBoxLayout(this);
        auto* group = new QGroupBox(this);
        auto* groupLayout = new QVBoxLayout(group);
        edit = new QLineEdit(group);
        groupLayout->addWidget(edit);
        layout->addWidget(group);
        grid = new CandidateGrid(GridLook{}, this);
        layout->addWidget(grid);
        box = new OneCellBox(BoxColour::CodeSpace, this);
        layout->addWidget(box);
        attachGrid(grid, keys);
        attachBox(box);
        connect(edit, &QLineEdit::returnPressed, this, [this] { ++returnsSeenByEdit; });
    }
    QWidget* firstFocusWidget() override { return edit; }

    QLineEdit* edit;
    CandidateGrid* grid;
    OneCellBox* box;
    int beforeOutputCalls = 0;
    int returnsSeenByEdit = 0;

protected:
    void beforeKeyOutput() override { ++beforeOutputCalls; }
};

class CandidatePageTest : public ::testing::Test, protected testing::PageTestBed {
protected:
    std::unique_ptr<TestPage> makePage(OutputKeys keys = {}) {
        auto page = std::make_unique<TestPage>(pageContext(), keys);
        page->resize(400, 300);
        testing::showActive(page.get());
        return page;
    }
};

TEST_F(CandidatePageTest, EnterOrSpaceInAnyControlOutputsTheSelectedItemOnce) {
    struct Case {
        int key;
        QString text;
        bool inGrid;
    };
    const Case cases[] = {
        {Qt::Key_Return, {}, false}, {Qt::Key_Enter, {}, false}, {Qt::Key_Space, " ", false},
        {Qt::Key_Return, {}, true},  {Qt::Key_Space, " ", true},
    };
    for (const Case& c : cases) {
        output.requests.clear();
        auto page = makePage();
        page->grid->setCandidates({0x4E00, 0xD840DC00, 0x4E02}, 1);
        QWidget* target = c.inGrid ? static_cast<QWidget*>(page->grid) : page->edit;
        focusOn(target);
        ASSERT_EQ(QApplication::focusWidget(), target);
        pressOnly(target, c.key, c.text);
        EXPECT_EQ(output.requests, std::vector<OutputRequest>{outputOf(0xD840DC00)}) << c.key << " " << c.inGrid;
        EXPECT_EQ(page->beforeOutputCalls, 1);
    }
}

TEST_F(CandidatePageTest, KeyGoesOnAfterOutput) {
    auto page = makePage();
    page->grid->setCandidates({0x4E00});
    focusOn(page->edit);
    pressOnly(page->edit, Qt::Key_Return);
    EXPECT_EQ(page->returnsSeenByEdit, 1);
    pressOnly(page->edit, Qt::Key_Space, " ");
    EXPECT_EQ(page->edit->text(), " ");
    EXPECT_EQ(output.requests.size(), 2u);
}

TEST_F(CandidatePageTest, EnterOnAnEmptyGridOutputsNothingAndGoesOn) {
    auto page = makePage();
    page->grid->setCandidates({});
    focusOn(page->edit);
    pressOnly(page->edit, Qt::Key_Return);
    pressOnly(page->edit, Qt::Key_Space, " ");
    EXPECT_TRUE(output.requests.empty());
    EXPECT_EQ(page->returnsSeenByEdit, 1);
    EXPECT_EQ(page->beforeOutputCalls, 0);
}

TEST_F(CandidatePageTest, KeysThatThePageDoesNotTakeOutputNothing) {
    auto page = makePage(OutputKeys{.enter = false, .space = true, .escape = true});
    page->grid->setCandidates({0x4E00});
    focusOn(page->edit);
    pressOnly(page->edit, Qt::Key_Return);
    EXPECT_TRUE(output.requests.empty());
    pressOnly(page->edit, Qt::Key_Space, " ");
    EXPECT_EQ(output.requests, std::vector<OutputRequest>{outputOf(0x4E00)});
}

TEST_F(CandidatePageTest, EscapeMovesTheFocusToThePageAndIsConsumed) {
    auto page = makePage();
    page->grid->setCandidates({0x4E00});
    focusOn(page->edit);
    page->edit->setText("abc");
    page->edit->selectAll();
    pressOnly(page->edit, Qt::Key_Escape);
    EXPECT_EQ(QApplication::focusWidget(), page.get());
    EXPECT_TRUE(output.requests.empty());
}

TEST_F(CandidatePageTest, EscapeIsLeftAloneWhereThePageDoesNotTakeIt) {
    auto page = makePage(OutputKeys{.enter = true, .space = true, .escape = false});
    focusOn(page->edit);
    pressOnly(page->edit, Qt::Key_Escape);
    EXPECT_EQ(QApplication::focusWidget(), page->edit);
}

TEST_F(CandidatePageTest, KeysOutsideThePageAreIgnored) {
    auto page = makePage();
    page->grid->setCandidates({0x4E00});
    QLineEdit outside;
    outside.show();
    outside.activateWindow();
    QApplication::processEvents();
    focusOn(&outside);
    pressOnly(&outside, Qt::Key_Return);
    EXPECT_TRUE(output.requests.empty());
}

TEST_F(CandidatePageTest, PickOutputsAndCopyCopiesTheSelectedItem) {
    auto page = makePage();
    page->grid->setCandidates({0x4E00, 0xE000}, 1);
    emit page->grid->picked();
    emit page->grid->copyRequested();
    EXPECT_EQ(output.requests, (std::vector<OutputRequest>{outputOf(0xE000), copyOf(0xE000)}));
    EXPECT_EQ(page->beforeOutputCalls, 0);  // only keys remember the index
}

TEST_F(CandidatePageTest, NothingSelectedOutputsNothing) {
    auto page = makePage();
    page->grid->setCandidates({0x4E00});
    page->grid->selectIndex(-1);
    emit page->grid->picked();
    emit page->grid->copyRequested();
    EXPECT_TRUE(output.requests.empty());
}

TEST_F(CandidatePageTest, SettingsReachTheGridAndTheBoxes) {
    settings.currentFontName = "HanaMinB";
    settings.colors.gbk = 0x123456;
    auto page = makePage();
    EXPECT_EQ(page->grid->fontFamily(), "HanaMinB");
    settings.colors.gbk = 0x654321;
    settings.currentFontName = "AR PL UKai CN";
    page->applySettings();
    EXPECT_EQ(page->grid->colours().gbk, 0x654321u);
    EXPECT_EQ(page->grid->fontFamily(), "AR PL UKai CN");
}

}  // namespace
}  // namespace tesvik::ui
