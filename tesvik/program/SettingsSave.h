#pragma once

#include "common/Result.h"
#include "platform/RegistryStore.h"
#include "tesvik/program/Settings.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace tesvik::program {

// Stores the settings of a confirmed settings dialog: the hot key in force
// as the profile values Vk and Flag, then in Tesvik.ini the six colours,
// AutoMinimize, Hide, Vk, Flag, CURFONTNAMECU and HSPDZ, in one atomic
// rewrite that keeps every other line. Returns what could not be written.
lumenar::Status<std::string> saveConfirmedSettings(const std::filesystem::path& settingsFile,
                                                   platform::RegistryStore& registry, std::string_view application,
                                                   const Settings& settings);

// Keys a confirmation stores only when its dialog shows them.
struct AlsoStored {
    bool showAllPages = false;  // ShowAllPages
    bool standardCode = false;  // StandardCode
    // HideUndrawable
    bool hideUndrawable = false;
};

// The same, with the chosen further keys in the same rewrite.
lumenar::Status<std::string> saveConfirmedSettings(const std::filesystem::path& settingsFile,
                                                   platform::RegistryStore& registry, std::string_view application,
                                                   const Settings& settings, AlsoStored also);

}  // namespace tesvik::program
