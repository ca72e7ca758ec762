#include "tesvik/program/RecentPicks.h"

#include "common/testing/ScratchDirectory.h"
#include "tesvik/program/RecentPicksFile.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tesvik::program {
namespace {

using ::testing::ElementsAre;

TEST(RecentPicks, NewestFirstWithoutRepeats) {
    RecentPicks picks;
    picks.record(0x4E00);
    picks.record(0x4E01);
    picks.record(0x4E00);
    picks.record(0x20000);     // a scalar from the stroke grid ...
    picks.record(0xD840DC00);  // ... and its packed pair are one character
    EXPECT_THAT(picks.values(), ElementsAre(0xD840DC00u, 0x4E00u, 0x4E01u));
}

TEST(RecentPicks, TheOldestGoesWhenTheRowIsFull) {
    RecentPicks picks;
    for (std::uint32_t i = 0; i < kRecentPicksCapacity + 3; ++i) picks.record(0x4E00 + i);
    ASSERT_EQ(picks.values().size(), kRecentPicksCapacity);
    EXPECT_EQ(picks.values().front(), 0x4E00u + kRecentPicksCapacity + 2);
    EXPECT_EQ(picks.values().back(), 0x4E03u);
}

TEST(RecentPicks, PinnedCharactersStayThroughNewPicksAndClearing) {
    RecentPicks picks;
    picks.record(0x4E00);
    picks.record(0x4E01);
    picks.setPinned(0x4E00, true);
    EXPECT_THAT(picks.values(), ElementsAre(0x4E00u, 0x4E01u));
    for (std::uint32_t i = 0; i < 2 * kRecentPicksCapacity; ++i) picks.record(0x5000 + i);
    EXPECT_EQ(picks.values().front(), 0x4E00u);
    EXPECT_TRUE(picks.isPinned(0x4E00));
    picks.record(0x4E00);  // picking a pinned character does not move it
    EXPECT_EQ(picks.values().front(), 0x4E00u);
    picks.clear();
    EXPECT_THAT(picks.values(), ElementsAre(0x4E00u));
    picks.setPinned(0x4E00, false);
    picks.clear();
    EXPECT_TRUE(picks.values().empty());
}

TEST(RecentPicksFile, KeepsOrderAndPinsAcrossARestart) {
    lumenar::testing::ScratchDirectory dir;
    const auto file = recentPicksFile(dir.path() / "not-yet-made");
    RecentPicks picks;
    picks.record(0xE000);
    picks.record(0xD840DC00);
    picks.record(0x4E00);
    picks.setPinned(0xE000, true);
    ASSERT_TRUE(saveRecentPicks(file, picks));
    EXPECT_EQ(loadRecentPicks(file).entries(), picks.entries());
    EXPECT_EQ(formatRecentPicks(picks), "E000 pinned\n4E00\n20000\n");
}

TEST(RecentPicksFile, DamagedLinesAreSkipped) {
    const RecentPicks picks = parseRecentPicks("4E00\r\nzz\n\nD800\n110000\n4E00\n9FA5 pinned\n20000 pinned\n");
    EXPECT_EQ(picks.entries(), (std::vector<RecentPick>{{0x9FA5, true}, {0xD840DC00, true}, {0x4E00, false}}));
    EXPECT_TRUE(loadRecentPicks("/nonexistent/recent-picks.txt").entries().empty());
}

}  // namespace
}  // namespace tesvik::program
