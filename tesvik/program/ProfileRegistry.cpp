#include "tesvik/program/ProfileRegistry.h"

namespace tesvik::program {

std::string applicationName(const std::filesystem::path& programPath) { return programPath.stem().string(); }

std::string profileSectionKey(std::string_view application, std::string_view section) {
    return std::string("HKEY_CURRENT_USER\\Software\\") + kProfileKey + '\\' + std::string(application) + '\\' +
           std::string(section);
}

std::string_view profileValueName(ProfileValue value) {
    switch (value) {
        case ProfileValue::AutoMinimize:
            return "AutoMinimize";
        case ProfileValue::Hide:
            return "Hide";
        case ProfileValue::Vk:
            return "Vk";
        case ProfileValue::Flag:
            return "Flag";
    }
    return {};
}

int readProfileInt(const platform::RegistryStore& store, std::string_view application, ProfileValue value,
                   int fallback) {
    const auto number = platform::dwordValue(store, profileSectionKey(application, kSettingsSection),
                                             std::string(profileValueName(value)));
    return number ? static_cast<int>(*number) : fallback;
}

bool writeProfileInt(platform::RegistryStore& store, std::string_view application, ProfileValue value, int number) {
    return store.setValue(profileSectionKey(application, kSettingsSection), std::string(profileValueName(value)),
                          static_cast<std::uint32_t>(number));
}

}  // namespace tesvik::program
