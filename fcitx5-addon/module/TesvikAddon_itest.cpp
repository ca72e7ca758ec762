// The addon inside a running input method: an in-process fcitx5 instance with
// the framework's test frontend (input contexts made and focused by the test,
// commits checked against expectations), a private session bus, and a client
// connection that calls the addon as Tesvik does.
#include "InputMethodObject.h"

#include <fcitx-utils/dbus/bus.h>
#include <fcitx-utils/dbus/matchrule.h>
#include <fcitx-utils/dbus/message.h>
#include <fcitx-utils/event.h>
#include <fcitx-utils/testing.h>
#include <fcitx/addonmanager.h>
#include <fcitx/inputcontextmanager.h>
#include <fcitx/instance.h>
#include <gtest/gtest.h>
#include <testfrontend_public.h>

#include <csignal>
#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace imaddon {
namespace {

// A dbus-daemon of the test's own; its address replaces the session bus's.
class PrivateSessionBus {
public:
    PrivateSessionBus() {
        FILE* out = ::popen("dbus-daemon --session --fork --print-address=1 --print-pid=1", "r");
        if (!out) return;
        char line[512];
        if (std::fgets(line, sizeof line, out)) address_ = trimmed(line);
        if (std::fgets(line, sizeof line, out)) pid_ = std::stoi(line);
        ::pclose(out);
    }
    ~PrivateSessionBus() {
        if (pid_ > 0) ::kill(pid_, SIGTERM);
    }
    const std::string& address() const { return address_; }

private:
    static std::string trimmed(std::string text) {
        while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
        return text;
    }
    std::string address_;
    int pid_ = 0;
};

// Runs each step some time after the one before, inside the instance's loop,
// then ends the loop (at once when a step's assertion failed).
class Steps {
public:
    Steps(fcitx::Instance& instance, std::vector<std::function<void()>> steps)
        : instance_(instance), steps_(std::move(steps)) {}

    void start() { scheduleNext(); }

private:
    void scheduleNext() {
        timer_ = instance_.eventLoop().addTimeEvent(
            CLOCK_MONOTONIC, fcitx::now(CLOCK_MONOTONIC) + 150'000, 0, [this](fcitx::EventSourceTime*, uint64_t) {
                if (next_ < steps_.size()) steps_[next_++]();
                // The steps after a failed assertion would build on what is missing.
                if (next_ < steps_.size() && !::testing::Test::HasFatalFailure()) {
                    deferred_ = instance_.eventLoop().addDeferEvent([this](fcitx::EventSource*) {
                        scheduleNext();
                        return true;
                    });
                } else {
                    instance_.exit();
                }
                return true;
            });
    }

    fcitx::Instance& instance_;
    std::vector<std::function<void()>> steps_;
    std::size_t next_ = 0;
    std::unique_ptr<fcitx::EventSourceTime> timer_;
    std::unique_ptr<fcitx::EventSource> deferred_;
};

// Tesvik's side of the bus: calls without blocking the loop the addon runs in.
class Client {
public:
    Client(const std::string& address, fcitx::EventLoop& loop) : bus_(address) { bus_.attachEventLoop(&loop); }

    void watchSignals() {
        const std::string owner = bus_.serviceOwner(busName, 2'000'000);
        finishedSlot_ = bus_.addMatch(fcitx::dbus::MatchRule(owner, objectPath, interfaceName, "CommitFinished"),
                                      [this](fcitx::dbus::Message& message) {
                                          uint64_t request = 0;
                                          bool delivered = false;
                                          message >> request >> delivered;
                                          finished[request] = delivered;
                                          return true;
                                      });
        hotKeySlot_ = bus_.addMatch(fcitx::dbus::MatchRule(owner, objectPath, interfaceName, "HotKeyPressed"),
                                    [this](fcitx::dbus::Message&) {
                                        ++hotKeyPresses;
                                        return true;
                                    });
    }

    void commit(const std::string& text, const std::string& ownProgram) {
        auto call = bus_.createMethodCall(busName, objectPath, interfaceName, "Commit");
        call << text << ownProgram;
        send(std::move(call));
    }

    void setHotKey(const std::string& key) {
        auto call = bus_.createMethodCall(busName, objectPath, interfaceName, "SetHotKey");
        call << key;
        send(std::move(call));
    }

    std::map<uint64_t, bool> finished;
    int hotKeyPresses = 0;
    std::vector<std::string> errors;

private:
    void send(fcitx::dbus::Message call) {
        calls_.push_back(call.callAsync(2'000'000, [this](fcitx::dbus::Message& reply) {
            if (reply.isError()) errors.push_back(reply.errorName());
            return true;
        }));
    }

    fcitx::dbus::Bus bus_;
    std::unique_ptr<fcitx::dbus::Slot> finishedSlot_;
    std::unique_ptr<fcitx::dbus::Slot> hotKeySlot_;
    std::vector<std::unique_ptr<fcitx::dbus::Slot>> calls_;
};

TEST(TesvikAddonInInputMethod, CommitsToTheFocusedContextKeepsPendingTextAndReportsTheHotKey) {
    PrivateSessionBus sessionBus;
    ASSERT_FALSE(sessionBus.address().empty()) << "dbus-daemon did not start";
    ::setenv("DBUS_SESSION_BUS_ADDRESS", sessionBus.address().c_str(), 1);
    fcitx::setupTestingEnvironment(TESVIK_ADDON_BUILD_DIR, {"lib"}, {"share/fcitx5", TESVIK_ADDON_ITEST_DATA_DIR});

    char arg0[] = "tesvik-addon-itest";
    char arg1[] = "--disable=all";
    char arg2[] = "--enable=testim,testfrontend,testui,dbus,tesvik";
    char* argv[] = {arg0, arg1, arg2};
    fcitx::Instance instance(3, argv);
    instance.addonManager().registerDefaultLoader(nullptr);

    std::unique_ptr<Client> client;
    fcitx::AddonInstance* frontend = nullptr;
    fcitx::ICUUID editor{}, tesvik{}, closing{}, browser{};
    auto focus = [&](const fcitx::ICUUID& uuid) { instance.inputContextManager().findByUUID(uuid)->focusIn(); };

    Steps steps(instance, {
        [&] {
            ASSERT_NE(instance.addonManager().addon("tesvik"), nullptr) << "the addon did not load";
            frontend = instance.addonManager().addon("testfrontend");
            client = std::make_unique<Client>(sessionBus.address(), instance.eventLoop());
            client->watchSignals();
            editor = frontend->call<fcitx::ITestFrontend::createInputContext>("gedit");
            focus(editor);
            frontend->call<fcitx::ITestFrontend::pushCommitExpectation>("一");
            client->commit("一", "tesvik");
        },
        [&] {
            EXPECT_EQ(client->finished, (std::map<uint64_t, bool>{{1, true}}));
            // Tesvik's own window has the focus: the text waits.
            tesvik = frontend->call<fcitx::ITestFrontend::createInputContext>("tesvik");
            focus(tesvik);
            client->commit("\U00020000", "tesvik");
        },
        [&] {
            EXPECT_EQ(client->finished.count(2), 0u);
            // A program that gets the focus and closes before the text reached it.
            closing = frontend->call<fcitx::ITestFrontend::createInputContext>("zenity");
            focus(closing);
            frontend->call<fcitx::ITestFrontend::destroyInputContext>(closing);
        },
        [&] {
            EXPECT_EQ(client->finished.count(2), 0u);
            frontend->call<fcitx::ITestFrontend::pushCommitExpectation>("\U00020000");
            browser = frontend->call<fcitx::ITestFrontend::createInputContext>("chromium");
            focus(browser);
        },
        [&] {
            EXPECT_EQ(client->finished, (std::map<uint64_t, bool>{{1, true}, {2, true}}));
            client->setHotKey("Control+Alt+Z");
        },
        [&] {
            frontend->call<fcitx::ITestFrontend::keyEvent>(browser, fcitx::Key("Control+Alt+z"), false);
            frontend->call<fcitx::ITestFrontend::keyEvent>(browser, fcitx::Key("Control+Alt+z"), true);
            frontend->call<fcitx::ITestFrontend::keyEvent>(browser, fcitx::Key("Control+z"), false);
            client->setHotKey("not a key at all");
        },
        [&] {
            EXPECT_EQ(client->hotKeyPresses, 1);
            EXPECT_EQ(client->errors, std::vector<std::string>{"org.freedesktop.DBus.Error.InvalidArgs"});
        },
    });
    steps.start();
    instance.exec();
    client.reset();
}

}  // namespace
}  // namespace imaddon
