#pragma once

#include "platform/RegistryStore.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tesvik::program {

// The program's branch of the registry profile:
// HKEY_CURRENT_USER\Software\Lumenar CIVIC GB13000 V1.7 Unicode\<application>\<section>.
inline constexpr const char* kProfileKey = "Lumenar CIVIC GB13000 V1.7 Unicode";
inline constexpr const char* kSettingsSection = "Settings";

// The program's base file name without extension ("Tesvik").
std::string applicationName(const std::filesystem::path& programPath);

std::string profileSectionKey(std::string_view application, std::string_view section);

// The profile's values of section Settings.
enum class ProfileValue { AutoMinimize, Hide, Vk, Flag };
std::string_view profileValueName(ProfileValue value);

// A REG_DWORD profile value, or `fallback` when it is absent or of another type.
// AutoMinimize and Hide default to 1.
int readProfileInt(const platform::RegistryStore& store, std::string_view application, ProfileValue value,
                   int fallback);
bool writeProfileInt(platform::RegistryStore& store, std::string_view application, ProfileValue value, int number);

}  // namespace tesvik::program
