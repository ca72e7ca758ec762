#include "tesvik/program/MainWindowLayout.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tesvik::program {
namespace {

bool shows(const MainWindowLayout& layout, MainButton b) {
    return std::find(layout.visible.begin(), layout.visible.end(), b) != layout.visible.end();
}

TEST(MainWindowLayout, DefaultHostsFourPagesAndHidesTheOtherPageButtons) {
    const MainWindowLayout layout = mainWindowLayout(false);
    EXPECT_EQ(layout.pages, (std::vector<MainPage>{MainPage::RadicalDirectory, MainPage::RadicalLookup,
                                                   MainPage::StrokeOrder, MainPage::CustomArea}));
    EXPECT_EQ(layout.visible, (std::vector<MainButton>{MainButton::Radicals, MainButton::StrokeOrder,
                                                       MainButton::Settings, MainButton::Help, MainButton::About}));
}

TEST(MainWindowLayout, AllPagesHostsPinyinAndSymbolsAndShowsEveryButton) {
    const MainWindowLayout layout = mainWindowLayout(true);
    ASSERT_EQ(layout.pages.size(), 6u);
    EXPECT_EQ(layout.pages[4], MainPage::Pinyin);
    EXPECT_EQ(layout.pages[5], MainPage::Symbol);
    for (MainButton b : layout.buttons) EXPECT_TRUE(shows(layout, b));
}

TEST(MainWindowLayout, ButtonsAndPagesBelongTogether) {
    const MainWindowLayout all = mainWindowLayout(true);
    for (MainButton b : {MainButton::Radicals, MainButton::StrokeOrder, MainButton::Pinyin, MainButton::CustomArea,
                         MainButton::Symbols}) {
        EXPECT_EQ(buttonOfPage(all, *pageIndexOfButton(b)), b);
    }
    EXPECT_EQ(buttonOfPage(all, 1), MainButton::Radicals);  // the radical lookup page belongs to 部首检字
    EXPECT_FALSE(pageIndexOfButton(MainButton::Settings).has_value());
    EXPECT_FALSE(buttonOfPage(mainWindowLayout(false), 4).has_value());
}

TEST(MainWindowLayout, MissingPageFallsBackToTheFirst) {
    EXPECT_EQ(pageToShow(*pageIndexOfButton(MainButton::Pinyin), 4), 0);
    EXPECT_EQ(pageToShow(-1, 4), 0);
    EXPECT_EQ(pageToShow(3, 4), 3);
}

TEST(MainWindowLayout, CyclingWrapsAtBothEnds) {
    struct Case {
        int current, count;
        bool forward;
        int next;
    };
    const Case cases[] = {{0, 4, true, 1}, {3, 4, true, 0},  {0, 4, false, 3}, {2, 4, false, 1},
                          {5, 6, true, 0}, {0, 6, false, 5}, {0, 1, true, 0},  {0, 0, true, 0}};
    for (const Case& c : cases) {
        EXPECT_EQ(cycledPage(c.current, c.count, c.forward), c.next) << c.current << "/" << c.count << " " << c.forward;
    }
}

TEST(MainWindowLayout, TrayClickHidesAShownWindowAndShowsAHiddenOne) {
    EXPECT_EQ(trayDefaultCommand(true), TrayCommand::Hide);
    EXPECT_EQ(trayDefaultCommand(false), TrayCommand::Show);
}

}  // namespace
}  // namespace tesvik::program
