#pragma once

#include "common/Result.h"
#include "platform/RegistryStore.h"
#include "tesvik/messages/Messages.h"
#include "tesvik/program/Settings.h"
#include "tesvik/program/SettingsChecks.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace tesvik::program {

// The main window's show/hide hot key, as the settings dialog reaches it.
class HotKeyControl {
public:
    virtual ~HotKeyControl() = default;
    // The main window can be found (by its caption).
    virtual bool mainWindowFound() const = 0;
    virtual void unregisterHotKey() = 0;
    // Registers the combination; false when the system refuses it.
    virtual bool registerHotKey(HotKey hotKey) = 0;
};

// What the dialog shows when it is confirmed.
struct SettingsDialogInput {
    HotKey hotKey;
    std::string strokeKeys;
    CodeSpaceColors colors;
    int autoMinimize = 0;               // the check box "程序启动自动最小化"
    int hide = 0;                       // the check box "输出汉字后窗口隐藏"
    std::string fontName;               // the selected font entry
    std::optional<int> showAllPages{};  // the check box "显示全部功能"; none: the current value stays
    std::optional<int> standardCode{};  // the check box "输出标准编码"; none: the current value stays
    // The check box "隐藏无法显示的字符"; none: the current value stays.
    std::optional<int> hideUndrawable{};
};

struct ConfirmedSettings {
    Settings settings;                        // the new process-wide settings
    std::vector<Message> notices;             // to show in order; the last is the success message
    std::optional<std::string> storeProblem;  // what could not be written, if anything
};

struct SettingsStoreTargets {
    std::filesystem::path settingsFile;
    platform::RegistryStore& registry;
    std::string application;
};

// The settings dialog's confirmation: the checks, then a changed hot key is
// applied (a refused registration leaves no hot key and adds its notice),
// the hot key in force and the dialog's values are stored, and the new
// settings are returned with the success message. A refusal leaves the
// dialog open with nothing changed.
lumenar::Result<ConfirmedSettings, SettingsRefusal> confirmSettings(const SettingsDialogInput& input,
                                                                    const Settings& current, HotKeyControl& hotKeys,
                                                                    const SettingsStoreTargets& stores);

}  // namespace tesvik::program
