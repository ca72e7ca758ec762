#pragma once

#include "common/Result.h"
#include "tesvik/program/PrivateProfile.h"

#include <filesystem>
#include <string>

namespace tesvik::program {

// The settings file "Tesvik.ini" on disk. Its settings live in section "Config".
inline constexpr const char* kConfigSection = "Config";

struct SettingsFileError {
    std::string text;  // what went wrong, with the file's path
};

// The file's text; empty when the file does not exist.
lumenar::Result<std::string, SettingsFileError> readSettingsText(const std::filesystem::path& file);

// Sets the keys of section Config in the file, keeping every other line, and
// replaces the file in one atomic step; writes nothing when nothing changes.
lumenar::Status<SettingsFileError> writeSettings(const std::filesystem::path& file,
                                                 const ProfileAssignments& assignments);

}  // namespace tesvik::program
