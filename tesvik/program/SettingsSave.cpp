#include "tesvik/program/SettingsSave.h"

#include "tesvik/program/ProfileRegistry.h"
#include "tesvik/program/SettingsFile.h"
#include "tesvik/program/SettingsKeys.h"

namespace tesvik::program {

lumenar::Status<std::string> saveConfirmedSettings(const std::filesystem::path& settingsFile,
                                                   platform::RegistryStore& registry, std::string_view application,
                                                   const Settings& s) {
    return saveConfirmedSettings(settingsFile, registry, application, s, AlsoStored{});
}

lumenar::Status<std::string> saveConfirmedSettings(const std::filesystem::path& settingsFile,
                                                   platform::RegistryStore& registry, std::string_view application,
                                                   const Settings& s, AlsoStored also) {
    using Status = lumenar::Status<std::string>;
    if (!writeProfileInt(registry, application, ProfileValue::Vk, s.vk) ||
        !writeProfileInt(registry, application, ProfileValue::Flag, s.flag)) {
        return Status::failure("the hot key could not be stored in the registry");
    }
    auto decimal = [](auto n) { return std::to_string(n); };
    ProfileAssignments assignments = {
        {keys::kGbkColor, decimal(s.colors.gbk)},
        {keys::kGbkEudcColor, decimal(s.colors.gbkEudc)},
        {keys::kGb13000EudcColor, decimal(s.colors.gb13000Eudc)},
        {keys::kCjkExtensionAColor, decimal(s.colors.cjkExtensionA)},
        {keys::kCjkExtensionsBToEColor, decimal(s.colors.cjkExtensionsBToE)},
        {keys::kRadicalsColor, decimal(s.colors.radicals)},
        {keys::kAutoMinimize, decimal(s.autoMinimize)},
        {keys::kHide, decimal(s.hide)},
        {keys::kVk, decimal(s.vk)},
        {keys::kFlag, decimal(s.flag)},
        {keys::kCurrentFontName, s.currentFontName},
        {keys::kStrokeKeys, s.strokeKeys},
    };
    if (also.showAllPages) assignments.emplace_back(keys::kShowAllPages, decimal(s.showAllPages));
    if (also.standardCode) assignments.emplace_back(keys::kStandardCode, decimal(s.standardCode));
    if (also.hideUndrawable) assignments.emplace_back(keys::kHideUndrawable, decimal(s.hideUndrawable));
    if (auto written = writeSettings(settingsFile, assignments); !written) return Status::failure(written.error().text);
    return {};
}

}  // namespace tesvik::program
