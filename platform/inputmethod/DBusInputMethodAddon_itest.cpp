// The client against a stand-in addon on a private bus (dbus-daemon).
#include "platform/inputmethod/DBusInputMethodAddon.h"

#include "platform/inputmethod/AddonBusNames.h"

#include <dbus/dbus.h>
#include <gtest/gtest.h>
#include <signal.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <string>
#include <thread>

namespace platform {
namespace {

// A dbus-daemon of the test's own.
class PrivateBus {
public:
    PrivateBus() {
        FILE* out = popen("dbus-daemon --session --fork --print-address=1 --print-pid=1", "r");
        if (out == nullptr) return;
        char line[512];
        if (std::fgets(line, sizeof line, out)) address_ = std::string(line, std::strcspn(line, "\n"));
        if (std::fgets(line, sizeof line, out)) pid_ = std::atoi(line);
        pclose(out);
    }
    ~PrivateBus() {
        if (pid_ > 0) kill(pid_, SIGTERM);
    }
    const std::string& address() const { return address_; }

private:
    std::string address_;
    int pid_ = 0;
};

// Answers as the addon does; commits finish at once with `delivers`.
class StandInAddon {
public:
    StandInAddon(const std::string& address, unsigned version, bool delivers)
        : version_(version), delivers_(delivers) {
        connection_ = dbus_connection_open_private(address.c_str(), nullptr);
        dbus_bus_register(connection_, nullptr);
        dbus_bus_request_name(connection_, addonbus::kService, DBUS_NAME_FLAG_DO_NOT_QUEUE, nullptr);
        static const DBusObjectPathVTable table{nullptr, &StandInAddon::handle, nullptr, nullptr, nullptr, nullptr};
        dbus_connection_register_object_path(connection_, addonbus::kObjectPath, &table, this);
        loop_ = std::thread([this] {
            while (!stop_) dbus_connection_read_write_dispatch(connection_, 20);
        });
    }
    ~StandInAddon() {
        stop_ = true;
        loop_.join();
        dbus_connection_close(connection_);
        dbus_connection_unref(connection_);
    }
    void pressHotKey() {
        std::lock_guard lock(mutex_);
        DBusMessage* signal = dbus_message_new_signal(addonbus::kObjectPath, addonbus::kInterface, "HotKeyPressed");
        dbus_connection_send(connection_, signal, nullptr);
        dbus_connection_flush(connection_);
        dbus_message_unref(signal);
    }
    std::string hotKey() {
        std::lock_guard lock(mutex_);
        return hotKey_;
    }
    std::string committed() {
        std::lock_guard lock(mutex_);
        return committed_;
    }

private:
    static DBusHandlerResult handle(DBusConnection* connection, DBusMessage* call, void* data) {
        auto* self = static_cast<StandInAddon*>(data);
        std::lock_guard lock(self->mutex_);
        DBusMessage* reply = dbus_message_new_method_return(call);
        DBusMessage* signal = nullptr;
        if (dbus_message_is_method_call(call, addonbus::kInterface, "Version")) {
            dbus_uint32_t version = self->version_;
            dbus_message_append_args(reply, DBUS_TYPE_UINT32, &version, DBUS_TYPE_INVALID);
        } else if (dbus_message_is_method_call(call, addonbus::kInterface, "Commit")) {
            const char* text = nullptr;
            const char* program = nullptr;
            dbus_message_get_args(call, nullptr, DBUS_TYPE_STRING, &text, DBUS_TYPE_STRING, &program,
                                  DBUS_TYPE_INVALID);
            self->committed_ += text;
            dbus_uint64_t id = ++self->lastId_;
            dbus_message_append_args(reply, DBUS_TYPE_UINT64, &id, DBUS_TYPE_INVALID);
            signal = dbus_message_new_signal(addonbus::kObjectPath, addonbus::kInterface, "CommitFinished");
            dbus_bool_t delivered = self->delivers_;
            dbus_message_append_args(signal, DBUS_TYPE_UINT64, &id, DBUS_TYPE_BOOLEAN, &delivered, DBUS_TYPE_INVALID);
        } else if (dbus_message_is_method_call(call, addonbus::kInterface, "SetHotKey")) {
            const char* key = nullptr;
            dbus_message_get_args(call, nullptr, DBUS_TYPE_STRING, &key, DBUS_TYPE_INVALID);
            self->hotKey_ = key;
        } else {
            dbus_message_unref(reply);
            return DBUS_HANDLER_RESULT_NOT_YET_HANDLED;
        }
        // The outcome follows the reply at once, as when the focused
        // context takes the text straight away.
        dbus_connection_send(connection, reply, nullptr);
        if (signal) dbus_connection_send(connection, signal, nullptr);
        dbus_connection_flush(connection);
        dbus_message_unref(reply);
        if (signal) dbus_message_unref(signal);
        return DBUS_HANDLER_RESULT_HANDLED;
    }

    unsigned version_;
    bool delivers_;
    DBusConnection* connection_ = nullptr;
    std::thread loop_;
    std::atomic<bool> stop_{false};
    std::mutex mutex_;
    dbus_uint64_t lastId_ = 40;
    std::string hotKey_;
    std::string committed_;
};

class DBusInputMethodAddonTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(bus.address().empty()) << "dbus-daemon did not start";
        auto connected = DBusInputMethodAddon::connect(bus.address());
        ASSERT_TRUE(connected) << connected.error();
        client = std::move(*connected);
    }

    // Events until one commit finished, or what came within about 2 s.
    AddonEvents eventsUntilFinished() {
        AddonEvents all;
        for (int i = 0; i < 20 && all.finished.empty(); ++i) {
            AddonEvents some = client->takeEvents(100);
            all.finished.insert(all.finished.end(), some.finished.begin(), some.finished.end());
            all.hotKeyPresses += some.hotKeyPresses;
        }
        return all;
    }

    PrivateBus bus;
    std::unique_ptr<DBusInputMethodAddon> client;
};

TEST_F(DBusInputMethodAddonTest, AbsentAddonIsNotPresentAndCommitFails) {
    EXPECT_FALSE(client->present());
    EXPECT_FALSE(client->commit("一", "tesvik"));
    EXPECT_FALSE(client->setHotKey("Control+Alt+Z"));
}

TEST_F(DBusInputMethodAddonTest, AddonOfAnotherVersionIsNotPresent) {
    StandInAddon addon(bus.address(), 2, true);
    EXPECT_FALSE(client->present());
}

TEST_F(DBusInputMethodAddonTest, CommitOutcomeArrivingWithTheReplyIsSeen) {
    for (const bool delivers : {true, false}) {
        StandInAddon addon(bus.address(), 1, delivers);
        ASSERT_TRUE(client->present());
        const auto id = client->commit("\xF0\xA0\x80\x80", "tesvik");
        ASSERT_TRUE(id) << id.error();
        EXPECT_EQ(addon.committed(), "\xF0\xA0\x80\x80");
        const AddonEvents events = eventsUntilFinished();
        EXPECT_EQ(events.finished, (std::vector<FinishedCommit>{{*id, delivers}}));
    }
}

TEST_F(DBusInputMethodAddonTest, AddonStartIsReported) {
    EXPECT_FALSE(client->takeEvents(0).addonStarted);
    StandInAddon addon(bus.address(), 1, true);
    bool started = false;
    for (int i = 0; i < 20 && !started; ++i) started = client->takeEvents(100).addonStarted;
    EXPECT_TRUE(started);
}

TEST_F(DBusInputMethodAddonTest, HotKeyIsSetAndItsPressesCounted) {
    StandInAddon addon(bus.address(), 1, true);
    ASSERT_TRUE(client->setHotKey("Control+Alt+Z"));
    EXPECT_EQ(addon.hotKey(), "Control+Alt+Z");
    EXPECT_GE(client->eventDescriptor(), 0);
    addon.pressHotKey();
    addon.pressHotKey();
    int presses = 0;
    for (int i = 0; i < 20 && presses < 2; ++i) presses += client->takeEvents(100).hotKeyPresses;
    EXPECT_EQ(presses, 2);
}

TEST_F(DBusInputMethodAddonTest, InvalidTextIsRefusedBeforeTheBus) {
    StandInAddon addon(bus.address(), 1, true);
    EXPECT_FALSE(client->commit("\xFF", "tesvik"));
    EXPECT_EQ(addon.committed(), "");
}

}  // namespace
}  // namespace platform
