#pragma once
// The input-method addon: commits the text Tesvik sends over the session bus
// to the field the user was typing in, and reports Tesvik's hot key from the
// keys the input method sees. The rules of when a text may go are in
// PendingCommits; this class feeds it the input method's events.
#include "InputMethodObject.h"
#include "fcitx5-addon/PendingCommits.h"

#include <fcitx-utils/dbus/bus.h>
#include <fcitx-utils/event.h>
#include <fcitx-utils/handlertable.h>
#include <fcitx-utils/key.h>
#include <fcitx/addoninstance.h>
#include <fcitx/event.h>
#include <fcitx/instance.h>

#include <memory>
#include <vector>

namespace imaddon {

class TesvikAddon : public fcitx::AddonInstance, private InputMethodRequests {
public:
    explicit TesvikAddon(fcitx::Instance* instance);
    ~TesvikAddon() override;

private:
    std::uint64_t commit(const std::string& text, const std::string& ownProgram) override;
    bool setHotKey(const std::string& key) override;

    void watchInputContexts();
    void onKey(fcitx::KeyEvent& event);
    // Delivery runs from the event loop, after the call or focus change that
    // made it possible has been answered.
    void deliverSoon();
    void deliver();
    void dropExpired();
    void armTimer();

    fcitx::Instance* instance_;
    fcitx::dbus::Bus* bus_ = nullptr;  // the input method's own connection, owned by its D-Bus module
    PendingCommits pending_;
    InputMethodObject object_;
    fcitx::Key hotKey_;
    std::vector<std::unique_ptr<fcitx::HandlerTableEntry<fcitx::EventHandler>>> watchers_;
    std::unique_ptr<fcitx::EventSource> deliveryEvent_;
    std::unique_ptr<fcitx::EventSourceTime> timer_;
};

}  // namespace imaddon
