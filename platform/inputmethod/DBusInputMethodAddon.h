#pragma once
// The addon reached through libdbus on a bus connection of its own.
#include "platform/InputMethodAddon.h"

#include <memory>
#include <string>

struct DBusConnection;
struct DBusMessage;

namespace platform {

class DBusInputMethodAddon : public InputMethodAddon {
public:
    // The session bus of the environment ($DBUS_SESSION_BUS_ADDRESS), or the
    // bus at `address` when it is given.
    static lumenar::Result<std::unique_ptr<DBusInputMethodAddon>, std::string> connect(
        const std::string& address = {});
    ~DBusInputMethodAddon() override;
    DBusInputMethodAddon(const DBusInputMethodAddon&) = delete;
    DBusInputMethodAddon& operator=(const DBusInputMethodAddon&) = delete;

    bool present() override;
    lumenar::Result<CommitId, std::string> commit(const std::string& utf8, const std::string& ownProgram) override;
    lumenar::Status<std::string> setHotKey(const std::string& key) override;
    int eventDescriptor() const override;
    AddonEvents takeEvents(int waitMs = 0) override;

private:
    explicit DBusInputMethodAddon(DBusConnection* connection);
    friend struct AddonSignalFilter;
    // Signals of the addon that libdbus has read are noted in arrived_.
    bool noteSignal(DBusMessage* message);
    void dispatchQueued();

    DBusConnection* connection_;
    AddonEvents arrived_;
};

}  // namespace platform
