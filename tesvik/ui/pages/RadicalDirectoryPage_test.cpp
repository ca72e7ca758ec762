#include "tesvik/ui/pages/RadicalDirectoryPage.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>

#include "tesvik/ui/widgets/KeyPresses_testing.h"
#include "tesvik/ui/widgets/PageNotifier_testing.h"
#include "tesvik/ui/widgets/PageTestBed_testing.h"

namespace tesvik::ui {
namespace {

using testing::RecordingNotifier;

class RadicalDirectoryPageTest : public ::testing::Test, protected testing::PageTestBed {
protected:
    RadicalDirectoryPageTest() {
        page = std::make_unique<RadicalDirectoryPage>(pageContext());
        notices = testing::recordNotices(*page);
        connect();
    }

    void connect() {
        QObject::connect(page.get(), &RadicalDirectoryPage::radicalChosen,
                         [this](quint32 radical, const QString& key) { chosen.emplace_back(radical, key); });
        QObject::connect(page.get(), &CandidatePage::requestPage, [this](int index) { requested.push_back(index); });
    }

    template <class T>
    T* child(const char* name) {
        T* widget = page->findChild<T*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    CandidateGrid* grid() { return child<CandidateGrid>("radicalGrid"); }
    QLineEdit* count() { return child<QLineEdit>("radicalCountEdit"); }
    QLineEdit* pinyin() { return child<QLineEdit>("radicalPinyinEdit"); }
    QLineEdit* strokes() { return child<QLineEdit>("radicalStrokeEdit"); }
    QString currentKey() const { return radicalKeyText(page->currentRadical().key); }

    std::unique_ptr<RadicalDirectoryPage> page;
    RecordingNotifier* notices = nullptr;
    std::vector<std::pair<quint32, QString>> chosen;
    std::vector<int> requested;
};

TEST_F(RadicalDirectoryPageTest, StartsWithoutRadical) {
    EXPECT_EQ(grid()->count(), 0);
    EXPECT_EQ(page->currentRadical(), tesvik::lookup::CurrentRadical{});
    EXPECT_EQ(page->firstFocusWidget(), strokes());
    EXPECT_EQ(page->accessibleName(), QString::fromUtf8("部首目录"));
}

TEST_F(RadicalDirectoryPageTest, CountListsRadicalsAndSelectsTheFirst) {
    count()->setText("3");
    const auto oneDigit = grid()->candidates();
    ASSERT_FALSE(oneDigit.empty());
    EXPECT_EQ(grid()->selectedIndex(), 0);
    EXPECT_EQ(page->currentRadical().radical, oneDigit.front());
    EXPECT_EQ(currentKey().left(2), "03");
    ASSERT_FALSE(chosen.empty());
    EXPECT_EQ(chosen.back().first, oneDigit.front());
    EXPECT_TRUE(requested.empty());  // a selection does not switch pages

    count()->setText("03");
    EXPECT_EQ(grid()->candidates(), oneDigit);
    EXPECT_TRUE(notices->notices.empty());
}

TEST_F(RadicalDirectoryPageTest, CountFieldRefusals) {
    struct Case {
        const char* text;
        tesvik::MessageId message;
    };
    for (const Case& c :
         {Case{"030", tesvik::MessageId::TotalStrokesRange}, Case{"a", tesvik::MessageId::EnterAnInteger}}) {
        notices->clear();
        count()->setText(c.text);
        ASSERT_EQ(notices->ids(), std::vector{c.message}) << c.text;
        EXPECT_EQ(notices->notices.front().icon, PageNotifier::Icon::Information);
        EXPECT_EQ(count()->selectedText(), QString(c.text));
    }
    EXPECT_EQ(grid()->count(), 0);
}

TEST_F(RadicalDirectoryPageTest, PinyinIsLowerCasedAndMatchedAsPrefix) {
    pinyin()->setText("Shui");
    EXPECT_EQ(pinyin()->text(), "shui");
    EXPECT_EQ(grid()->candidates(), (std::vector<std::uint32_t>{0x2EA1, 0x2F54, 0x2EA2}));
    EXPECT_TRUE(notices->notices.empty());
}

TEST_F(RadicalDirectoryPageTest, PinyinWithADigitIsRefusedFromThatCharacter) {
    pinyin()->setText("sh1");
    ASSERT_EQ(notices->ids(), std::vector{tesvik::MessageId::InvalidPinyin});
    EXPECT_EQ(notices->notices.front().text, "“sh1”不是合法的拼音，请输入合法的拼音字母a-z！");
    EXPECT_EQ(notices->notices.front().caption, "LumenarTesvik向你报告：");
    EXPECT_EQ(pinyin()->selectedText(), "1");
}

TEST_F(RadicalDirectoryPageTest, StrokeKeysTypeGlyphsAndSearch) {
    testing::typeText(strokes(), "441");
    EXPECT_EQ(strokes()->text(), QString::fromUtf8("丶丶一"));
    EXPECT_EQ(grid()->candidates(), (std::vector<std::uint32_t>{0x2EA1, 0x2F43}));
    EXPECT_EQ(currentKey(), "03D4");

    testing::pressKey(strokes(), Qt::Key_Backspace, "\b");
    EXPECT_EQ(strokes()->text(), QString::fromUtf8("丶丶"));
    EXPECT_GT(grid()->count(), 2);

    testing::typeText(strokes(), "x");
    ASSERT_EQ(notices->ids(), std::vector{tesvik::MessageId::InvalidStrokeKey});
    EXPECT_EQ(notices->notices.front().text, "输入有误，请输入代表笔画信息的快捷键：12345");
    EXPECT_EQ(strokes()->text(), QString::fromUtf8("丶丶"));
}

TEST_F(RadicalDirectoryPageTest, StrokesAndPinyinTogetherMatchBoth) {
    child<QPushButton>("radicalStrokeButton4")->click();
    const int byStrokes = grid()->count();
    pinyin()->setText("shui");
    EXPECT_LT(grid()->count(), byStrokes);
    EXPECT_EQ(grid()->candidates(), (std::vector<std::uint32_t>{0x2EA1}));

    child<QPushButton>("radicalStrokeBackButton")->click();
    EXPECT_TRUE(strokes()->text().isEmpty());
    EXPECT_EQ(grid()->count(), 3);
}

TEST_F(RadicalDirectoryPageTest, EnterConfirmsWithoutAliasesAndSwitchesPage) {
    count()->setText("3");
    const auto radicals = grid()->candidates();
    const auto at = std::find(radicals.begin(), radicals.end(), 0x2EA6u);  // ⺦ 03D0
    ASSERT_NE(at, radicals.end());
    grid()->selectIndex(static_cast<int>(at - radicals.begin()));
    page->show();
    QApplication::setActiveWindow(page.get());
    grid()->setFocus();
    testing::pressKey(QApplication::focusWidget(), Qt::Key_Return, "\r");
    EXPECT_EQ(currentKey(), "03D0");
    EXPECT_EQ(requested, std::vector{RadicalDirectoryPage::kLookupPageIndex});
    EXPECT_TRUE(output.requests.empty());
    EXPECT_EQ(chosen.back(), std::make_pair(quint32{0x2EA6}, QString("03D0")));
}

TEST_F(RadicalDirectoryPageTest, ConfirmButtonAndDoubleClickApplyTheAliases) {
    count()->setText("3");
    const auto radicals = grid()->candidates();
    const int index = static_cast<int>(std::find(radicals.begin(), radicals.end(), 0x2EA6u) - radicals.begin());
    grid()->selectIndex(index);
    child<QPushButton>("radicalConfirmButton")->click();
    EXPECT_EQ(currentKey(), "04E1");
    EXPECT_EQ(page->currentRadical().radical, 0x2EA6u);
    EXPECT_EQ(requested.size(), 1u);

    grid()->selectIndex(index);
    emit grid()->picked();
    EXPECT_EQ(currentKey(), "04E1");
    EXPECT_EQ(requested.size(), 2u);
    EXPECT_TRUE(output.requests.empty());
}

TEST_F(RadicalDirectoryPageTest, ConfirmButtonWithoutAnyRadicalAsksForOne) {
    child<QPushButton>("radicalConfirmButton")->click();
    EXPECT_EQ(notices->ids(), std::vector{tesvik::MessageId::ChooseRadicalInList});
    EXPECT_TRUE(requested.empty());
}

TEST_F(RadicalDirectoryPageTest, ConfirmButtonKeepsTheCurrentRadicalWhenNothingIsListed) {
    pinyin()->setText("shui");
    pinyin()->clear();       // no search: the list stays
    count()->setText("99");  // matches nothing: the current radical stays
    EXPECT_EQ(grid()->count(), 0);
    EXPECT_EQ(currentKey(), "03D4");
    child<QPushButton>("radicalConfirmButton")->click();
    EXPECT_TRUE(notices->notices.empty());
    EXPECT_EQ(requested, std::vector{RadicalDirectoryPage::kLookupPageIndex});
    EXPECT_EQ(currentKey(), "03D4");
}

TEST_F(RadicalDirectoryPageTest, SpaceDoesNotEnterTheFields) {
    pinyin()->setText("shui");
    testing::pressKey(pinyin(), Qt::Key_Space, " ");
    EXPECT_EQ(pinyin()->text(), "shui");
    EXPECT_EQ(requested, std::vector{RadicalDirectoryPage::kLookupPageIndex});
    EXPECT_TRUE(notices->notices.empty());
}

TEST_F(RadicalDirectoryPageTest, CopyFromTheRadicalList) {
    pinyin()->setText("shui");
    emit grid()->copyRequested();
    EXPECT_EQ(output.requests, std::vector{tesvik::program::testing::copyOf(0x2EA1)});
}

}  // namespace
}  // namespace tesvik::ui
