#include "tesvik/ui/pages/CustomAreaPage.h"

#include "tesvik/ui/widgets/CustomAreaGrid.h"
#include "tesvik/ui/widgets/KeyPresses_testing.h"
#include "tesvik/ui/widgets/PageNotifier_testing.h"
#include "tesvik/ui/widgets/PageTestBed_testing.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

namespace tesvik::ui {
namespace {

using testing::focusOn;
using testing::pressOnly;
using tesvik::program::testing::outputOf;
using tesvik::program::testing::OutputRequest;

class CustomAreaPageTest : public ::testing::Test, protected testing::PageTestBed {
protected:
    void SetUp() override {
        settings.currentFontName = "DejaVu Sans";
        page = std::make_unique<CustomAreaPage>(pageContext());
        notices = testing::recordNotices(*page);
        testing::showActive(page.get());
        grid = page->findChild<CustomAreaGrid*>("customAreaGrid");
        codeField = page->findChild<QLineEdit*>("customAreaCodeEdit");
        formatList = page->findChild<QComboBox*>("customAreaFormatList");
        fontList = page->findChild<QComboBox*>("customAreaFontList");
        entry = page->findChild<QLineEdit*>("codeValueEdit");
        button = page->findChild<QPushButton*>("codeValueButton");
        ASSERT_TRUE(grid && codeField && formatList && fontList && entry && button);
    }

    // Types into the focused entry key by key.
    void type(const QString& text) {
        focusOn(entry);
        for (QChar c : text) pressOnly(entry, Qt::Key_unknown, QString(c));
    }

    void clearEntry() {
        focusOn(entry);
        while (!entry->text().isEmpty()) pressOnly(entry, Qt::Key_Backspace);
    }

    std::uint32_t valueAt(int row, int column) const {
        const QModelIndex index = grid->indexAt(grid->cellRect(row, column).center());
        return index.isValid() ? grid->candidates()[static_cast<std::size_t>(index.row())] : 0;
    }

    std::unique_ptr<CustomAreaPage> page;
    testing::RecordingNotifier* notices = nullptr;
    CustomAreaGrid* grid = nullptr;
    QLineEdit* codeField = nullptr;
    QComboBox* formatList = nullptr;
    QComboBox* fontList = nullptr;
    QLineEdit* entry = nullptr;
    QPushButton* button = nullptr;
};

TEST_F(CustomAreaPageTest, CellInRowAndColumnHoldsE650PlusSixteenRowsPlusColumn) {
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 16; ++column) {
            EXPECT_EQ(grid->cellRect(row, column).topLeft(), QPoint(30 * column, 30 * row)) << row << "," << column;
            EXPECT_EQ(valueAt(row, column), 0xE650u + 16u * row + column) << row << "," << column;
        }
    }
    EXPECT_FALSE(grid->indexAt(QPoint(5, 3 * 30 + 1)).isValid());  // no fourth row
}

TEST_F(CustomAreaPageTest, FirstCellIsSelectedAndItsCodeShown) {
    EXPECT_EQ(grid->selectedValue(), 0xE650u);
    EXPECT_EQ(codeField->text(), "E650");
    EXPECT_EQ(page->firstFocusWidget(), grid);
    grid->selectIndex(47);
    EXPECT_EQ(codeField->text(), "E67F");
}

TEST_F(CustomAreaPageTest, FormatSwitchRoundTrip) {
    ASSERT_EQ(formatList->count(), 2);
    EXPECT_EQ(formatList->itemText(0), "Unicode(十六进制)");
    EXPECT_EQ(formatList->itemText(1), "GB18030(十六进制)");
    formatList->setCurrentIndex(1);
    EXPECT_EQ(codeField->text(), "A54A");
    grid->selectIndex(1);  // U+E660, shown in the chosen form
    EXPECT_EQ(codeField->text(), QString::fromStdString(chars::codeText(0xE660, chars::CodeFormat::Gb18030)));
    grid->selectIndex(0);
    formatList->setCurrentIndex(0);
    EXPECT_EQ(codeField->text(), "E650");
}

TEST_F(CustomAreaPageTest, EnteredCodeValuePreviewsAndOutputsItsCharacter) {
    struct Case {
        const char* typed;
        chars::PackedChar value;
    };
    const Case cases[] = {
        {"41", 0x41},          {"4e00", 0x4E00},      {"4E00", 0x4E00},      {"e815", 0xE815},
        {"10000", 0xD800DC00}, {"20000", 0xD840DC00}, {"FFFFF", 0xDBBFDFFF},
    };
    for (const Case& c : cases) {
        output.requests.clear();
        clearEntry();
        type(c.typed);
        EXPECT_EQ(entry->text(), c.typed);
        EXPECT_EQ(page->previewValue(), c.value) << c.typed;
        button->click();
        EXPECT_EQ(output.requests, std::vector<OutputRequest>{outputOf(c.value)}) << c.typed;
    }
    EXPECT_TRUE(notices->notices.empty());
}

TEST_F(CustomAreaPageTest, EntryTakesNoSixthCharacter) {
    type("200001");
    EXPECT_EQ(entry->text(), "20000");
    EXPECT_EQ(page->previewValue(), 0xD840DC00u);
    EXPECT_TRUE(notices->notices.empty());
}

TEST_F(CustomAreaPageTest, RefusedEntryShowsTheRangeMessageAndKeepsThePreview) {
    struct Case {
        const char* before;
        const char* typed;  // in front of the text
    };
    const Case cases[] = {{"4e", "g"}, {"", "x"}, {"", "一"}, {"41", " "}, {"", "-"}};
    for (const Case& c : cases) {
        notices->clear();
        clearEntry();
        type(c.before);
        const chars::PackedChar previewBefore = page->previewValue();
        pressOnly(entry, Qt::Key_Home);
        type(c.typed);
        ASSERT_EQ(notices->notices.size(), 1u) << c.typed;
        EXPECT_EQ(notices->notices[0].caption, "LumenarTesvik向你报告：");
        EXPECT_EQ(notices->notices[0].icon, PageNotifier::Icon::Information);
        EXPECT_EQ(notices->notices[0].text, "请输入范围在00000到FFFFF范围内的四位或五位Uicode码值！");
        EXPECT_EQ(entry->text(), c.before) << c.typed;
        EXPECT_EQ(page->previewValue(), previewBefore);
    }
}

TEST_F(CustomAreaPageTest, EmptyEntryOutputsNothing) {
    type("41");
    clearEntry();
    EXPECT_EQ(page->previewValue(), 0u);
    button->click();
    EXPECT_TRUE(output.requests.empty());
    type("d800");  // a lone surrogate is no character either
    button->click();
    EXPECT_TRUE(output.requests.empty());
}

TEST_F(CustomAreaPageTest, SpaceOutputsTheSelectedCellAndEnterDoesNot) {
    grid->selectIndex(4);  // row 1, column 1
    for (QWidget* target : {static_cast<QWidget*>(grid), static_cast<QWidget*>(formatList)}) {
        output.requests.clear();
        focusOn(target);
        pressOnly(target, Qt::Key_Return);
        pressOnly(target, Qt::Key_Enter);
        EXPECT_TRUE(output.requests.empty());
        pressOnly(target, Qt::Key_Space, " ");
        EXPECT_EQ(output.requests, std::vector<OutputRequest>{outputOf(0xE661)});
    }
}

TEST_F(CustomAreaPageTest, DoubleClickOutputsTheCell) {
    const QPoint at = grid->cellRect(2, 15).center();
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonDblClick}) {
        QMouseEvent event(type, at, grid->viewport()->mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(grid->viewport(), &event);
    }
    EXPECT_EQ(output.requests, std::vector<OutputRequest>{outputOf(0xE67F)});
}

TEST_F(CustomAreaPageTest, EscapeMovesTheFocusToThePage) {
    focusOn(entry);
    pressOnly(entry, Qt::Key_Escape);
    EXPECT_EQ(QApplication::focusWidget(), page.get());
    EXPECT_TRUE(output.requests.empty());
}

TEST_F(CustomAreaPageTest, GridFontStartsAsTheCurrentFontAndFollowsTheFontList) {
    EXPECT_EQ(grid->gridFont(), "DejaVu Sans");
    if (fontList->count() == 0) GTEST_SKIP() << "no scalable fonts installed";
    for (int i = 1; i < fontList->count(); ++i)
        EXPECT_LE(fontList->itemText(i - 1).compare(fontList->itemText(i), Qt::CaseInsensitive), 0);
    const QString last = fontList->itemText(fontList->count() - 1);
    emit fontList->textActivated(last);
    EXPECT_EQ(grid->gridFont(), last);
    settings.currentFontName = "Other";
    page->applySettings();  // the page keeps the font picked on it
    EXPECT_EQ(grid->gridFont(), last);
}

TEST_F(CustomAreaPageTest, CodeFieldTakesTheCustomAreaColourFromTheSettings) {
    settings.colors.gb13000Eudc = program::rgb(10, 20, 30);
    page->applySettings();
    EXPECT_EQ(codeField->palette().color(QPalette::Text), QColor(10, 20, 30));
}

}  // namespace
}  // namespace tesvik::ui
