// gtest first: Xlib defines None and Bool as macros.
#include <gtest/gtest.h>

#include "platform/x11/X11Desktop.h"

#include "common/testing/ScratchDirectory.h"
#include "platform/x11/XvfbSession_testing.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <thread>

namespace platform {
namespace {

using testing::readFile;
using testing::waitFor;

class X11DesktopTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { session_ = new testing::XvfbSession(); }
    static void TearDownTestSuite() {
        delete session_;
        session_ = nullptr;
    }

    void SetUp() override { ASSERT_TRUE(session_->ready()) << "Xvfb with openbox did not start"; }
    void TearDown() override {
        for (pid_t pid : started_) session_->stop(pid);
    }

    struct Terminal {
        WindowId window = 0;
        std::filesystem::path received;
    };

    // An xterm whose shell writes every byte it receives, unchanged, to a file.
    Terminal startTerminal(const std::string& name) {
        Terminal terminal;
        terminal.received = scratch_ / (name + ".bytes");
        const std::filesystem::path idFile = scratch_ / (name + ".id");
        const std::string script = "echo $WINDOWID > " + idFile.string() + ".tmp && mv " + idFile.string() + ".tmp " +
                                   idFile.string() + "; stty raw -echo; exec cat > " + terminal.received.string();
        started_.push_back(
            session_->start({"env", "LC_ALL=C.UTF-8", "xterm", "-u8", "-title", name, "-e", "sh", "-c", script}));
        if (!waitFor([&] { return std::filesystem::exists(idFile); })) {
            ADD_FAILURE() << name << " did not start";
            return terminal;
        }
        const WindowId id = std::strtoull(readFile(idFile).c_str(), nullptr, 10);
        // The window manager activates a new window; wait for it so that the
        // next start does not race with this one. The server may hand out the
        // id of a window destroyed before, which the window manager can still
        // show as active: wait for the focus too.
        // The window manager does not always give a new window the focus
        // after others have gone; then the test gives it.
        const auto focused = [&] { return session_->activeWindow() == id && focusWindow() == id; };
        if (!waitFor([&] { return isViewable(id); })) {
            ADD_FAILURE() << name << " was not mapped";
            return terminal;
        }
        if (!waitFor(focused, 3)) {
            Display* x = session_->connection();
            XSetInputFocus(x, id, RevertToParent, CurrentTime);
            XSync(x, False);
        }
        if (waitFor(focused))
            terminal.window = id;
        else
            ADD_FAILURE() << name << " got no focus: " << focusReport(id);
        return terminal;
    }

    static ::testing::AssertionResult receivedExactly(const Terminal& terminal, const std::string& bytes) {
        waitFor([&] { return readFile(terminal.received).size() >= bytes.size(); }, 15);
        // Anything arriving late would show up here too.
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        const std::string received = readFile(terminal.received);
        if (received == bytes) return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "received " << hex(received) << "\nexpected " << hex(bytes);
    }

    static std::string hex(const std::string& bytes) {
        static const char digits[] = "0123456789abcdef";
        std::string text;
        for (const unsigned char b : bytes) {
            text += digits[b >> 4];
            text += digits[b & 15];
            text += ' ';
        }
        return text;
    }

    static bool isViewable(Window window) {
        XWindowAttributes attributes;
        return XGetWindowAttributes(session_->connection(), window, &attributes) && attributes.map_state == IsViewable;
    }

    static Window focusWindow() {
        Window focus = None;
        int revert = 0;
        XGetInputFocus(session_->connection(), &focus, &revert);
        return focus;
    }

    // What the server says about activation, for failure messages.
    static std::string focusReport(WindowId expected) {
        const Window focus = focusWindow();
        return "expected " + std::to_string(expected) + ", active " + std::to_string(session_->activeWindow()) +
               ", focus " + std::to_string(focus);
    }

    static testing::XvfbSession* session_;
    lumenar::testing::ScratchDirectory scratchDirectory_;
    std::filesystem::path scratch_ = scratchDirectory_.path();
    std::vector<pid_t> started_;
};

testing::XvfbSession* X11DesktopTest::session_ = nullptr;

const std::u32string kSample = U"\u4E00\uE815\U00020000";
const std::string kSampleUtf8 = "\xE4\xB8\x80\xEE\xA0\x95\xF0\xA0\x80\x80";

TEST_F(X11DesktopTest, TypesBmpPrivateUseAndSupplementaryCharactersIntoTheActivatedTarget) {
    const Terminal target = startTerminal("target");
    ASSERT_NE(target.window, 0u);
    const Terminal other = startTerminal("other");
    ASSERT_NE(other.window, 0u);
    const std::string before = session_->keymapDump(scratch_ / "before.xkb");
    ASSERT_FALSE(before.empty());
    {
        auto desktop = openX11Desktop();
        ASSERT_TRUE(desktop);
        EXPECT_EQ(desktop->activeWindow(), other.window);
        ASSERT_TRUE(desktop->activate(target.window)) << focusReport(target.window);
        EXPECT_EQ(desktop->activeWindow(), target.window);
        for (const char32_t c : kSample) ASSERT_TRUE(desktop->typeCharacter(c));
        EXPECT_TRUE(receivedExactly(target, kSampleUtf8));
        EXPECT_EQ(readFile(other.received), "");
        desktop->shutdown();
        EXPECT_EQ(session_->keymapDump(scratch_ / "after.xkb"), before);
    }
}

TEST_F(X11DesktopTest, EveryCharacterArrivesWhileBothCoresAreBusy) {
    const Terminal target = startTerminal("loaded");
    ASSERT_NE(target.window, 0u);
    const std::string before = session_->keymapDump(scratch_ / "before.xkb");
    for (int i = 0; i < 2; ++i) started_.push_back(session_->start({"sh", "-c", "while :; do :; done"}));
    std::u32string text;
    std::string expected;
    for (int round = 0; round < 8; ++round) {
        text += kSample;
        expected += kSampleUtf8;
    }
    auto desktop = openX11Desktop();
    ASSERT_TRUE(desktop);
    ASSERT_TRUE(desktop->activate(target.window)) << focusReport(target.window);
    for (const char32_t c : text) {
        ASSERT_TRUE(desktop->typeCharacter(c));
        desktop->processPendingWork();
    }
    EXPECT_TRUE(receivedExactly(target, expected));
    desktop->shutdown();
    EXPECT_EQ(session_->keymapDump(scratch_ / "after.xkb"), before);
}

TEST_F(X11DesktopTest, PendingBindingsAreRestoredLaterWithoutShutdown) {
    const Terminal target = startTerminal("later");
    ASSERT_NE(target.window, 0u);
    const std::string before = session_->keymapDump(scratch_ / "before.xkb");
    auto desktop = openX11Desktop();
    ASSERT_TRUE(desktop);
    ASSERT_TRUE(desktop->activate(target.window)) << focusReport(target.window);
    ASSERT_TRUE(desktop->typeCharacter(U'\u4E00'));
    EXPECT_NE(session_->keymapDump(scratch_ / "bound.xkb"), before);
    EXPECT_TRUE(waitFor(
        [&] {
            desktop->processPendingWork();
            return session_->keymapDump(scratch_ / "after.xkb") == before;
        },
        10));
    EXPECT_TRUE(receivedExactly(target, "\xE4\xB8\x80"));
}

TEST_F(X11DesktopTest, HeldModifiersAndThePickingKeyDoNotReachTheTarget) {
    const Terminal target = startTerminal("modifiers");
    ASSERT_NE(target.window, 0u);
    const Terminal picker = startTerminal("picker");
    ASSERT_NE(picker.window, 0u);
    Display* x = session_->connection();
    // The user holds Shift and Ctrl and presses Enter in the picking window.
    const KeyCode shift = XKeysymToKeycode(x, XK_Shift_L);
    const KeyCode control = XKeysymToKeycode(x, XK_Control_L);
    const KeyCode enter = XKeysymToKeycode(x, XK_Return);
    XTestFakeKeyEvent(x, shift, True, CurrentTime);
    XTestFakeKeyEvent(x, control, True, CurrentTime);
    XTestFakeKeyEvent(x, enter, True, CurrentTime);
    XSync(x, False);
    std::thread releaseEnter([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        Display* own = XOpenDisplay(session_->display().c_str());
        XTestFakeKeyEvent(own, enter, False, CurrentTime);
        XCloseDisplay(own);
    });
    auto desktop = openX11Desktop();
    ASSERT_TRUE(desktop);
    ASSERT_TRUE(desktop->activate(target.window)) << focusReport(target.window);
    EXPECT_TRUE(desktop->typeCharacter(U'\u4E00'));
    releaseEnter.join();
    EXPECT_TRUE(receivedExactly(target, "\xE4\xB8\x80"));
    char keys[32];
    XQueryKeymap(x, keys);
    EXPECT_FALSE(keys[shift / 8] & (1 << (shift % 8)));
    EXPECT_FALSE(keys[control / 8] & (1 << (control % 8)));
}

TEST_F(X11DesktopTest, DestroyedWindowIsNoTarget) {
    Display* x = session_->connection();
    const Window window = XCreateSimpleWindow(x, DefaultRootWindow(x), 0, 0, 50, 50, 0, 0, 0);
    XSync(x, False);
    auto desktop = openX11Desktop();
    ASSERT_TRUE(desktop);
    EXPECT_TRUE(desktop->isWindow(window));
    XDestroyWindow(x, window);
    XSync(x, False);
    EXPECT_FALSE(desktop->isWindow(window));
    EXPECT_FALSE(desktop->isWindow(0));
    EXPECT_FALSE(desktop->activate(window));
    // A window manager may leave the id of a destroyed window behind.
    const Atom active = XInternAtom(x, "_NET_ACTIVE_WINDOW", False);
    const unsigned long stale = window;
    XChangeProperty(x, DefaultRootWindow(x), active, XA_WINDOW, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(&stale), 1);
    XSync(x, False);
    EXPECT_EQ(desktop->activeWindow(), 0u);
}

// Last: every keyboard map change costs other clients work (the window
// manager re-reads its compose table), so a burst of changes slows the
// window manager down for the tests after it.
TEST_F(X11DesktopTest, ManyDifferentCharactersOutnumberingTheSpareKeys) {
    const Terminal target = startTerminal("many");
    ASSERT_NE(target.window, 0u);
    const std::string before = session_->keymapDump(scratch_ / "before.xkb");
    auto desktop = openX11Desktop();
    ASSERT_TRUE(desktop);
    ASSERT_TRUE(desktop->activate(target.window)) << focusReport(target.window);
    std::string expected;
    for (char32_t c = 0x4E00; c < 0x4E00 + 24; ++c) {
        ASSERT_TRUE(desktop->typeCharacter(c));
        expected += {static_cast<char>(0xE0 | (c >> 12)), static_cast<char>(0x80 | ((c >> 6) & 0x3F)),
                     static_cast<char>(0x80 | (c & 0x3F))};
    }
    EXPECT_TRUE(receivedExactly(target, expected));
    desktop.reset();  // the destructor restores too
    EXPECT_EQ(session_->keymapDump(scratch_ / "after.xkb"), before);
}

}  // namespace
}  // namespace platform
