#include "TesvikAddon.h"

#include <dbus_public.h>
#include <fcitx-utils/log.h>
#include <fcitx/addonfactory.h>
#include <fcitx/addonmanager.h>
#include <fcitx/inputcontext.h>

#include <stdexcept>

namespace imaddon {
namespace {

ContextId contextId(const fcitx::InputContext* context) { return reinterpret_cast<ContextId>(context); }

std::uint64_t monotonicMicroseconds(Clock::time_point time) {
    return static_cast<std::uint64_t>(
        std::chrono::duration_cast<std::chrono::microseconds>(time.time_since_epoch()).count());
}

}  // namespace

TesvikAddon::TesvikAddon(fcitx::Instance* instance)
    : instance_(instance), pending_([] { return Clock::now(); }), object_(*this) {
    fcitx::AddonInstance* dbusAddon = instance_->addonManager().addon("dbus");
    bus_ = dbusAddon ? dbusAddon->call<fcitx::IDBusModule::bus>() : nullptr;
    // The framework's way to refuse loading an addon.
    if (!bus_) throw std::runtime_error("the session bus is not available");
    bus_->addObjectVTable(objectPath, interfaceName, object_);
    fcitx::Flags<fcitx::dbus::RequestNameFlag> flags = fcitx::dbus::RequestNameFlag::AllowReplacement;
    if (instance_->willTryReplace()) flags |= fcitx::dbus::RequestNameFlag::ReplaceExisting;
    if (!bus_->requestName(busName, flags)) {
        FCITX_ERROR() << "Tesvik addon: cannot own " << busName << " on the session bus";
    }
    watchInputContexts();
}

// Unloaded while fcitx5 keeps running (the addon disabled): Tesvik sees the name go.
TesvikAddon::~TesvikAddon() { bus_->releaseName(busName); }

void TesvikAddon::watchInputContexts() {
    using fcitx::EventType;
    using fcitx::EventWatcherPhase;
    watchers_.push_back(instance_->watchEvent(
        EventType::InputContextFocusIn, EventWatcherPhase::PostInputMethod, [this](fcitx::Event& event) {
            auto* context = static_cast<fcitx::InputContextEvent&>(event).inputContext();
            pending_.focusIn(contextId(context), context->program());
            if (pending_.pendingCount() > 0) deliverSoon();
        }));
    watchers_.push_back(instance_->watchEvent(
        EventType::InputContextFocusOut, EventWatcherPhase::PostInputMethod, [this](fcitx::Event& event) {
            pending_.focusOut(contextId(static_cast<fcitx::InputContextEvent&>(event).inputContext()));
        }));
    watchers_.push_back(instance_->watchEvent(
        EventType::InputContextDestroyed, EventWatcherPhase::PostInputMethod, [this](fcitx::Event& event) {
            pending_.destroyed(contextId(static_cast<fcitx::InputContextEvent&>(event).inputContext()));
        }));
    watchers_.push_back(instance_->watchEvent(EventType::InputContextKeyEvent, EventWatcherPhase::PreInputMethod,
                                              [this](fcitx::Event& event) {
                                                  onKey(static_cast<fcitx::KeyEvent&>(event));
                                              }));
}

void TesvikAddon::onKey(fcitx::KeyEvent& event) {
    if (!hotKey_.isValid() || !event.key().check(hotKey_)) return;
    // The release of a swallowed press is swallowed too, so the program sees neither.
    event.filterAndAccept();
    if (!event.isRelease()) object_.hotKeyPressed();
}

std::uint64_t TesvikAddon::commit(const std::string& text, const std::string& ownProgram) {
    const RequestId request = pending_.submit(text, ownProgram);
    deliverSoon();
    return request;
}

bool TesvikAddon::setHotKey(const std::string& key) {
    if (key.empty()) {
        hotKey_ = fcitx::Key();
        return true;
    }
    const fcitx::Key parsed(key);
    if (!parsed.isValid()) return false;
    hotKey_ = parsed.normalize();
    return true;
}

void TesvikAddon::deliverSoon() {
    if (deliveryEvent_) return;
    deliveryEvent_ = instance_->eventLoop().addDeferEvent([this](fcitx::EventSource*) {
        deliver();
        deliveryEvent_.reset();
        return true;
    });
}

void TesvikAddon::deliver() {
    dropExpired();
    // The framework's focus and the one PendingCommits followed agree unless an
    // event is still on its way; then the text waits for it.
    fcitx::InputContext* focused = instance_->lastFocusedInputContext();
    if (focused && focused->hasFocus() && pending_.focusedContext() == contextId(focused)) {
        for (const Delivery& delivery : pending_.takeDeliverable()) {
            focused->commitString(delivery.text);
            object_.commitFinished(delivery.request, true);
        }
    }
    armTimer();
}

void TesvikAddon::dropExpired() {
    for (RequestId request : pending_.dropExpired()) object_.commitFinished(request, false);
}

void TesvikAddon::armTimer() {
    const auto deadline = pending_.nextDeadline();
    if (!deadline) {
        timer_.reset();
        return;
    }
    const std::uint64_t at = monotonicMicroseconds(*deadline);
    if (timer_) {
        timer_->setTime(at);
        timer_->setOneShot();
        return;
    }
    timer_ = instance_->eventLoop().addTimeEvent(CLOCK_MONOTONIC, at, 1000, [this](fcitx::EventSourceTime*, uint64_t) {
        dropExpired();
        // Re-armed from a deferred event: the source may not be replaced inside its own callback.
        deliverSoon();
        return true;
    });
}

class TesvikAddonFactory : public fcitx::AddonFactory {
public:
    fcitx::AddonInstance* create(fcitx::AddonManager* manager) override { return new TesvikAddon(manager->instance()); }
};

}  // namespace imaddon

FCITX_ADDON_FACTORY(imaddon::TesvikAddonFactory)
