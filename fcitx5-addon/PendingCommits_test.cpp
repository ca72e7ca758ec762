#include "fcitx5-addon/PendingCommits.h"

#include <gtest/gtest.h>

namespace imaddon {
namespace {

using namespace std::chrono_literals;

constexpr ContextId editor = 1;
constexpr ContextId tesvik = 2;
constexpr ContextId browser = 3;

class PendingCommitsTest : public ::testing::Test {
protected:
    Clock::time_point now{};
    PendingCommits commits{[this] { return now; }};

    // "request:context:text" for each delivery, to compare whole outcomes at once.
    std::vector<std::string> deliver() {
        std::vector<std::string> shown;
        for (const Delivery& d : commits.takeDeliverable()) {
            shown.push_back(std::to_string(d.request) + ":" + std::to_string(d.context) + ":" + d.text);
        }
        return shown;
    }
};

using Shown = std::vector<std::string>;

TEST_F(PendingCommitsTest, GoesAtOnceToTheFocusedContextOfAnotherProgram) {
    commits.focusIn(editor, "gedit");
    EXPECT_EQ(commits.submit("一", "tesvik"), 1u);
    EXPECT_EQ(deliver(), (Shown{"1:1:一"}));
    EXPECT_EQ(commits.pendingCount(), 0u);
}

TEST_F(PendingCommitsTest, AContextWithoutProgramNameIsNotTheAskers) {
    commits.focusIn(editor, "");
    commits.submit("一", "tesvik");
    EXPECT_EQ(deliver(), (Shown{"1:1:一"}));
}

TEST_F(PendingCommitsTest, WaitsWhileNothingOrOnlyTheAskerHasTheFocus) {
    commits.submit("一", "tesvik");
    EXPECT_EQ(deliver(), Shown{});
    commits.focusIn(tesvik, "tesvik");
    EXPECT_EQ(deliver(), Shown{});
    commits.focusOut(tesvik);
    commits.focusIn(editor, "gedit");
    EXPECT_EQ(deliver(), (Shown{"1:1:一"}));
}

TEST_F(PendingCommitsTest, FollowsTheFocusInTheOrderItMoves) {
    commits.focusIn(editor, "gedit");
    commits.focusIn(tesvik, "tesvik");  // focus moved without a focus-out of the editor
    commits.submit("一", "tesvik");
    EXPECT_EQ(deliver(), Shown{});
    commits.focusOut(editor);  // late focus-out of a context that no longer has the focus
    commits.focusIn(browser, "chromium");
    EXPECT_EQ(deliver(), (Shown{"1:3:一"}));
}

TEST_F(PendingCommitsTest, AFocusOutLeavesNoContextToDeliverTo) {
    commits.focusIn(editor, "gedit");
    commits.focusOut(editor);
    commits.submit("一", "tesvik");
    EXPECT_EQ(deliver(), Shown{});
}

TEST_F(PendingCommitsTest, QueuedTextsGoInTheOrderTheyCame) {
    commits.submit("一", "tesvik");
    commits.submit("\uE650", "tesvik");
    commits.submit("\U00020000", "tesvik");
    commits.focusIn(editor, "gedit");
    EXPECT_EQ(deliver(), (Shown{"1:1:一", "2:1:\uE650", "3:1:\U00020000"}));
    EXPECT_EQ(commits.nextDeadline(), std::nullopt);
}

TEST_F(PendingCommitsTest, ATextThatMayNotGoHoldsBackTheTextsAfterIt) {
    commits.submit("一", "gedit");
    commits.submit("二", "tesvik");
    commits.focusIn(editor, "gedit");
    EXPECT_EQ(deliver(), Shown{});
    commits.focusIn(browser, "chromium");
    EXPECT_EQ(deliver(), (Shown{"1:3:一", "2:3:二"}));
}

TEST_F(PendingCommitsTest, AProgramThatClosesBeforeTheCommitLeavesTheTextForTheNextContext) {
    commits.focusIn(editor, "gedit");
    commits.submit("一", "tesvik");
    commits.destroyed(editor);  // closed before the commit was handed over
    EXPECT_EQ(deliver(), Shown{});
    commits.destroyed(browser);  // another context going away changes nothing
    commits.focusIn(browser, "chromium");
    EXPECT_EQ(deliver(), (Shown{"1:3:一"}));
}

TEST_F(PendingCommitsTest, DropsTextsThatWaitedTheirFullTimeAndNothingEarlier) {
    commits.submit("一", "tesvik");
    now += 4s;
    commits.submit("二", "tesvik");
    EXPECT_EQ(commits.nextDeadline(), Clock::time_point{} + 10s);

    now += 6s - 1ms;
    EXPECT_EQ(commits.dropExpired(), std::vector<RequestId>{});
    now += 1ms;
    EXPECT_EQ(commits.dropExpired(), std::vector<RequestId>{1});
    EXPECT_EQ(commits.nextDeadline(), Clock::time_point{} + 14s);

    commits.focusIn(editor, "gedit");
    EXPECT_EQ(deliver(), (Shown{"2:1:二"}));
}

TEST_F(PendingCommitsTest, AnExpiredTextIsNeverDeliveredEvenBeforeItIsDropped) {
    commits.submit("一", "tesvik");
    now += 10s;
    commits.focusIn(editor, "gedit");
    EXPECT_EQ(deliver(), Shown{});
    EXPECT_EQ(commits.dropExpired(), std::vector<RequestId>{1});
}

}  // namespace
}  // namespace imaddon
