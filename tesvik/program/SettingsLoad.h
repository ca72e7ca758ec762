#pragma once

#include "platform/RegistryStore.h"
#include "tesvik/messages/Messages.h"
#include "tesvik/program/Autostart.h"
#include "tesvik/program/Settings.h"

#include <filesystem>
#include <string>
#include <vector>

namespace tesvik::program {

// Where the settings live.
struct SettingsStores {
    std::filesystem::path settingsFile;  // Tesvik.ini
    std::filesystem::path programPath;
    platform::RegistryStore& registry;
    const AutostartEntry& autostart;
};

struct LoadedSettings {
    Settings settings;
    bool hideAtStart = false;               // AutoMinimize is on: hide the main window now
    std::vector<Message> notices;           // to show in information boxes, in order
    std::vector<std::string> fileProblems;  // settings file errors; the defaults were used
};

// The settings as the program loads them at start: defaults for whatever is
// absent, the selectable font names written to the file, an unknown current
// font replaced by the fourth one and written back, the autostart flag and
// the surrogate-support check. Registering the hot key is the caller's.
LoadedSettings loadSettings(const SettingsStores& stores);

// The settings read from the file's text, without corrections or writes.
Settings settingsFromText(std::string_view text);

}  // namespace tesvik::program
