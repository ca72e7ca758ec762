#include "tesvik/program/SettingsConfirmation.h"

#include "tesvik/program/SettingsSave.h"

namespace tesvik::program {

namespace {

HotKey inForce(const Settings& s) {
    return {static_cast<std::uint8_t>(s.vk & 0xFF), static_cast<std::uint8_t>(s.flag & 0xFF)};
}

// Registers the requested hot key; the pair in force afterwards.
HotKey applyHotKey(HotKey requested, HotKeyControl& hotKeys, std::vector<Message>& notices) {
    hotKeys.unregisterHotKey();
    if (requested.virtualKey == 0 || requested.modifiers == 0) return {};
    if (hotKeys.registerHotKey(requested)) return requested;
    notices.push_back(message(MessageId::HotKeyRegistrationFailed));
    return {};
}

}  // namespace

lumenar::Result<ConfirmedSettings, SettingsRefusal> confirmSettings(const SettingsDialogInput& input,
                                                                    const Settings& current, HotKeyControl& hotKeys,
                                                                    const SettingsStoreTargets& stores) {
    using Outcome = lumenar::Result<ConfirmedSettings, SettingsRefusal>;
    auto checked = checkSettingsConfirmation(input.hotKey, input.strokeKeys);
    if (!checked) return Outcome::failure(checked.error());

    ConfirmedSettings confirmed{current, {}, std::nullopt};
    HotKey hotKey = inForce(current);
    if (input.hotKey != hotKey) {
        if (!hotKeys.mainWindowFound()) {
            return Outcome::failure({message(MessageId::LostContactWithMainWindow), std::nullopt, std::nullopt});
        }
        hotKey = applyHotKey(input.hotKey, hotKeys, confirmed.notices);
    }

    Settings& s = confirmed.settings;
    s.vk = hotKey.virtualKey;
    s.flag = hotKey.modifiers;
    s.colors = input.colors;
    s.autoMinimize = input.autoMinimize;
    s.hide = input.hide;
    s.currentFontName = input.fontName;
    s.strokeKeys = checked->strokeKeys;
    if (input.showAllPages) s.showAllPages = *input.showAllPages;
    if (input.standardCode) s.standardCode = *input.standardCode;
    if (input.hideUndrawable) s.hideUndrawable = *input.hideUndrawable;
    const AlsoStored also{.showAllPages = input.showAllPages.has_value(),
                          .standardCode = input.standardCode.has_value(),
                          .hideUndrawable = input.hideUndrawable.has_value()};
    if (auto saved = saveConfirmedSettings(stores.settingsFile, stores.registry, stores.application, s, also); !saved) {
        confirmed.storeProblem = saved.error();
    }
    confirmed.notices.push_back(message(MessageId::SettingsChanged));
    return confirmed;
}

}  // namespace tesvik::program
