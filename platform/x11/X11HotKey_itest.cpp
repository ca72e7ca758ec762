// gtest first: Xlib defines None and Bool as macros.
#include <gtest/gtest.h>

#include "platform/x11/X11HotKey.h"
#include "platform/x11/XvfbSession_testing.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <poll.h>

namespace platform {
namespace {

constexpr std::uint8_t kShift = 1, kControl = 2, kAlt = 4;

class X11HotKeyTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { session_ = new testing::XvfbSession(); }
    static void TearDownTestSuite() {
        delete session_;
        session_ = nullptr;
    }
    void SetUp() override { ASSERT_TRUE(session_->ready()) << "Xvfb with openbox did not start"; }

    static void tap(const std::vector<KeySym>& keys) {
        Display* x = session_->connection();
        for (const KeySym key : keys) XTestFakeKeyEvent(x, XKeysymToKeycode(x, key), True, CurrentTime);
        for (auto it = keys.rbegin(); it != keys.rend(); ++it)
            XTestFakeKeyEvent(x, XKeysymToKeycode(x, *it), False, CurrentTime);
        XSync(x, False);
    }

    // Presses counted until none arrived for a while.
    static int pressesArriving(GlobalHotKey& hotKey) {
        int presses = 0;
        pollfd watch{hotKey.eventDescriptor(), POLLIN, 0};
        while (::poll(&watch, 1, 500) > 0) presses += hotKey.takePresses();
        return presses + hotKey.takePresses();
    }

    static testing::XvfbSession* session_;
};

testing::XvfbSession* X11HotKeyTest::session_ = nullptr;

TEST_F(X11HotKeyTest, GrabbedCombinationArrivesWhateverTheLockKeys) {
    auto hotKey = openX11HotKey();
    ASSERT_TRUE(hotKey);
    ASSERT_TRUE(hotKey->grab('K', kControl | kAlt));
    tap({XK_Control_L, XK_Alt_L, XK_k});
    EXPECT_EQ(pressesArriving(*hotKey), 1);
    tap({XK_Num_Lock});
    tap({XK_Caps_Lock});
    tap({XK_Control_L, XK_Alt_L, XK_k});
    tap({XK_Control_L, XK_Alt_L, XK_k});
    EXPECT_EQ(pressesArriving(*hotKey), 2);
    tap({XK_Num_Lock});
    tap({XK_Caps_Lock});
    // Other combinations of the key are not taken.
    tap({XK_Control_L, XK_k});
    tap({XK_k});
    EXPECT_EQ(pressesArriving(*hotKey), 0);
    hotKey->ungrab();
    tap({XK_Control_L, XK_Alt_L, XK_k});
    EXPECT_EQ(pressesArriving(*hotKey), 0);
}

TEST_F(X11HotKeyTest, CtrlShiftFromStoredFlagThree) {
    auto hotKey = openX11HotKey();
    ASSERT_TRUE(hotKey);
    ASSERT_TRUE(hotKey->grab('7', 3));
    tap({XK_Shift_L, XK_Control_L, XK_7});
    EXPECT_EQ(pressesArriving(*hotKey), 1);
}

TEST_F(X11HotKeyTest, CombinationHeldByAnotherClientIsRefusedAndNothingStaysGrabbed) {
    Display* other = XOpenDisplay(session_->display().c_str());
    ASSERT_NE(other, nullptr);
    const KeyCode j = XKeysymToKeycode(other, XK_j);
    // The other client holds only the Caps Lock variant.
    XGrabKey(other, j, ControlMask | ShiftMask | LockMask, DefaultRootWindow(other), True, GrabModeAsync,
             GrabModeAsync);
    XSync(other, False);
    auto hotKey = openX11HotKey();
    ASSERT_TRUE(hotKey);
    EXPECT_FALSE(hotKey->grab('J', kControl | kShift));
    XUngrabKey(other, j, AnyModifier, DefaultRootWindow(other));
    XSync(other, False);
    // The refused grab left nothing behind: a third client gets the plain variant.
    auto third = openX11HotKey();
    ASSERT_TRUE(third);
    EXPECT_TRUE(third->grab('J', kControl | kShift));
    XCloseDisplay(other);
    // Keys that cannot be a hot key are refused.
    EXPECT_FALSE(hotKey->grab('J', 0));
    EXPECT_FALSE(hotKey->grab(0x70, kControl));
}

TEST_F(X11HotKeyTest, ASecondGrabReplacesTheFirst) {
    auto hotKey = openX11HotKey();
    ASSERT_TRUE(hotKey);
    ASSERT_TRUE(hotKey->grab('A', kControl | kAlt));
    ASSERT_TRUE(hotKey->grab('B', kControl | kAlt));
    tap({XK_Control_L, XK_Alt_L, XK_a});
    EXPECT_EQ(pressesArriving(*hotKey), 0);
    tap({XK_Control_L, XK_Alt_L, XK_b});
    EXPECT_EQ(pressesArriving(*hotKey), 1);
}

}  // namespace
}  // namespace platform
