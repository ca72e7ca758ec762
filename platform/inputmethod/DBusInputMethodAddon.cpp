#include "platform/inputmethod/DBusInputMethodAddon.h"

#include "platform/inputmethod/AddonBusNames.h"

#include <dbus/dbus.h>

#include <utility>

namespace platform {

namespace {

constexpr int kCallTimeoutMs = 2000;

// A libdbus error that frees itself.
struct BusError {
    DBusError error;
    BusError() { dbus_error_init(&error); }
    ~BusError() { dbus_error_free(&error); }
    BusError(const BusError&) = delete;
    BusError& operator=(const BusError&) = delete;
    bool isSet() const { return dbus_error_is_set(&error); }
    std::string describe() const { return std::string(error.name) + ": " + error.message; }
};

struct MessageRef {
    DBusMessage* message;
    explicit MessageRef(DBusMessage* m) : message(m) {}
    ~MessageRef() {
        if (message) dbus_message_unref(message);
    }
    MessageRef(const MessageRef&) = delete;
    MessageRef& operator=(const MessageRef&) = delete;
};

DBusMessage* addonCall(const char* method) {
    return dbus_message_new_method_call(addonbus::kService, addonbus::kObjectPath, addonbus::kInterface, method);
}

// Sends the call and waits for its reply; the reply or the bus's error.
lumenar::Result<DBusMessage*, std::string> callAndWait(DBusConnection* connection, DBusMessage* call) {
    BusError error;
    DBusMessage* reply = dbus_connection_send_with_reply_and_block(connection, call, kCallTimeoutMs, &error.error);
    if (reply == nullptr) return lumenar::Result<DBusMessage*, std::string>::failure(error.describe());
    return reply;
}

std::string signalMatchRule() {
    return std::string("type='signal',sender='") + addonbus::kService + "',path='" + addonbus::kObjectPath +
           "',interface='" + addonbus::kInterface + "'";
}

std::string ownerChangeMatchRule() {
    return std::string("type='signal',sender='org.freedesktop.DBus',interface='org.freedesktop.DBus',"
                       "member='NameOwnerChanged',arg0='") +
           addonbus::kService + "'";
}

}  // namespace

struct AddonSignalFilter {
    static DBusHandlerResult filter(DBusConnection*, DBusMessage* message, void* self) {
        return static_cast<DBusInputMethodAddon*>(self)->noteSignal(message) ? DBUS_HANDLER_RESULT_HANDLED
                                                                              : DBUS_HANDLER_RESULT_NOT_YET_HANDLED;
    }
};

lumenar::Result<std::unique_ptr<DBusInputMethodAddon>, std::string> DBusInputMethodAddon::connect(
    const std::string& address) {
    using R = lumenar::Result<std::unique_ptr<DBusInputMethodAddon>, std::string>;
    BusError error;
    DBusConnection* connection = nullptr;
    if (address.empty()) {
        connection = dbus_bus_get_private(DBUS_BUS_SESSION, &error.error);
    } else {
        connection = dbus_connection_open_private(address.c_str(), &error.error);
        if (connection != nullptr && !dbus_bus_register(connection, &error.error)) {
            dbus_connection_close(connection);
            dbus_connection_unref(connection);
            connection = nullptr;
        }
    }
    if (connection == nullptr) return R::failure("no session bus: " + error.describe());
    dbus_connection_set_exit_on_disconnect(connection, FALSE);
    // Subscribed before any commit, so that no outcome is missed.
    dbus_bus_add_match(connection, signalMatchRule().c_str(), &error.error);
    if (!error.isSet()) dbus_bus_add_match(connection, ownerChangeMatchRule().c_str(), &error.error);
    if (error.isSet()) {
        dbus_connection_close(connection);
        dbus_connection_unref(connection);
        return R::failure("session bus refused the signal subscription: " + error.describe());
    }
    return std::unique_ptr<DBusInputMethodAddon>(new DBusInputMethodAddon(connection));
}

DBusInputMethodAddon::DBusInputMethodAddon(DBusConnection* connection) : connection_(connection) {
    dbus_connection_add_filter(connection_, &AddonSignalFilter::filter, this, nullptr);
}

DBusInputMethodAddon::~DBusInputMethodAddon() {
    dbus_connection_remove_filter(connection_, &AddonSignalFilter::filter, this);
    dbus_connection_close(connection_);
    dbus_connection_unref(connection_);
}

bool DBusInputMethodAddon::present() {
    if (!dbus_connection_get_is_connected(connection_)) return false;
    BusError error;
    if (!dbus_bus_name_has_owner(connection_, addonbus::kService, &error.error)) return false;
    MessageRef call(addonCall("Version"));
    auto reply = callAndWait(connection_, call.message);
    if (!reply) return false;
    MessageRef answer(*reply);
    dbus_uint32_t version = 0;
    if (!dbus_message_get_args(answer.message, &error.error, DBUS_TYPE_UINT32, &version, DBUS_TYPE_INVALID))
        return false;
    return version == addonbus::kVersion;
}

lumenar::Result<CommitId, std::string> DBusInputMethodAddon::commit(const std::string& utf8,
                                                                    const std::string& ownProgram) {
    using R = lumenar::Result<CommitId, std::string>;
    MessageRef call(addonCall("Commit"));
    const char* text = utf8.c_str();
    const char* program = ownProgram.c_str();
    if (!dbus_validate_utf8(text, nullptr)) return R::failure("the text is not valid UTF-8");
    dbus_message_append_args(call.message, DBUS_TYPE_STRING, &text, DBUS_TYPE_STRING, &program, DBUS_TYPE_INVALID);
    auto reply = callAndWait(connection_, call.message);
    if (!reply) return R::failure(reply.error());
    MessageRef answer(*reply);
    BusError error;
    dbus_uint64_t id = 0;
    if (!dbus_message_get_args(answer.message, &error.error, DBUS_TYPE_UINT64, &id, DBUS_TYPE_INVALID))
        return R::failure("unexpected answer to Commit: " + error.describe());
    return static_cast<CommitId>(id);
}

lumenar::Status<std::string> DBusInputMethodAddon::setHotKey(const std::string& key) {
    MessageRef call(addonCall("SetHotKey"));
    const char* text = key.c_str();
    dbus_message_append_args(call.message, DBUS_TYPE_STRING, &text, DBUS_TYPE_INVALID);
    auto reply = callAndWait(connection_, call.message);
    if (!reply) return lumenar::Status<std::string>::failure(reply.error());
    dbus_message_unref(*reply);
    return {};
}

int DBusInputMethodAddon::eventDescriptor() const {
    int fd = -1;
    return dbus_connection_get_unix_fd(connection_, &fd) ? fd : -1;
}

AddonEvents DBusInputMethodAddon::takeEvents(int waitMs) {
    // Replies of earlier calls may have brought signals along: they are in
    // libdbus's queue already and no longer make the descriptor readable.
    dispatchQueued();
    if (arrived_.finished.empty() && arrived_.hotKeyPresses == 0 && !arrived_.addonStarted) {
        dbus_connection_read_write(connection_, waitMs);
        dispatchQueued();
    }
    return std::exchange(arrived_, AddonEvents{});
}

void DBusInputMethodAddon::dispatchQueued() {
    dbus_connection_read_write(connection_, 0);
    while (dbus_connection_dispatch(connection_) == DBUS_DISPATCH_DATA_REMAINS) {
    }
}

bool DBusInputMethodAddon::noteSignal(DBusMessage* message) {
    if (dbus_message_is_signal(message, addonbus::kInterface, "HotKeyPressed")) {
        ++arrived_.hotKeyPresses;
        return true;
    }
    if (dbus_message_is_signal(message, addonbus::kInterface, "CommitFinished")) {
        BusError error;
        dbus_uint64_t id = 0;
        dbus_bool_t delivered = FALSE;
        if (dbus_message_get_args(message, &error.error, DBUS_TYPE_UINT64, &id, DBUS_TYPE_BOOLEAN, &delivered,
                                  DBUS_TYPE_INVALID))
            arrived_.finished.push_back({static_cast<CommitId>(id), delivered != FALSE});
        return true;
    }
    if (dbus_message_is_signal(message, "org.freedesktop.DBus", "NameOwnerChanged")) {
        BusError error;
        const char* name = nullptr;
        const char* oldOwner = nullptr;
        const char* newOwner = nullptr;
        if (dbus_message_get_args(message, &error.error, DBUS_TYPE_STRING, &name, DBUS_TYPE_STRING, &oldOwner,
                                  DBUS_TYPE_STRING, &newOwner, DBUS_TYPE_INVALID) &&
            std::string(name) == addonbus::kService && *newOwner != '\0')
            arrived_.addonStarted = true;
        return false;  // other filters may want it too
    }
    return false;
}

}  // namespace platform
