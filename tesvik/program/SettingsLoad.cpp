#include "tesvik/program/SettingsLoad.h"

#include "tesvik/program/PrivateProfile.h"
#include "tesvik/program/SettingsFile.h"
#include "tesvik/program/SettingsKeys.h"
#include "tesvik/program/SurrogateSupport.h"

#include <algorithm>

namespace tesvik::program {

namespace {

ColorRef readColor(std::string_view text, const char* key, ColorRef fallback) {
    return profileInt(text, kConfigSection, key, fallback);
}

int readInt(std::string_view text, const char* key) {
    return static_cast<int>(profileInt(text, kConfigSection, key, 0));
}

std::string readText(std::string_view text, const char* key, std::string_view fallback) {
    return truncateCharacters(profileString(text, kConfigSection, key).value_or(std::string(fallback)),
                              kMaxSettingText);
}

void writeOrNote(LoadedSettings& loaded, const std::filesystem::path& file, const ProfileAssignments& assignments) {
    if (auto written = writeSettings(file, assignments); !written) loaded.fileProblems.push_back(written.error().text);
}

}  // namespace

Settings settingsFromText(std::string_view text) {
    Settings s;
    const CodeSpaceColors defaults;
    s.colors.gbk = readColor(text, keys::kGbkColor, defaults.gbk);
    s.colors.gbkEudc = readColor(text, keys::kGbkEudcColor, defaults.gbkEudc);
    s.colors.gb13000Eudc = readColor(text, keys::kGb13000EudcColor, defaults.gb13000Eudc);
    s.colors.cjkExtensionA = readColor(text, keys::kCjkExtensionAColor, defaults.cjkExtensionA);
    s.colors.cjkExtensionsBToE = readColor(text, keys::kCjkExtensionsBToEColor, defaults.cjkExtensionsBToE);
    s.colors.radicals = readColor(text, keys::kRadicalsColor, defaults.radicals);
    s.autoMinimize = readInt(text, keys::kAutoMinimize);
    s.hide = readInt(text, keys::kHide);
    s.vk = readInt(text, keys::kVk);
    s.flag = readInt(text, keys::kFlag);
    s.showAllPages = readInt(text, keys::kShowAllPages);
    s.standardCode = readInt(text, keys::kStandardCode);
    s.hideUndrawable = readInt(text, keys::kHideUndrawable);
    s.currentFontName = readText(text, keys::kCurrentFontName, "");
    s.strokeKeys = readText(text, keys::kStrokeKeys, kDefaultStrokeKeys);
    if (s.strokeKeys.empty()) s.strokeKeys = kDefaultStrokeKeys;
    return s;
}

LoadedSettings loadSettings(const SettingsStores& stores) {
    LoadedSettings loaded;
    std::string text;
    if (auto read = readSettingsText(stores.settingsFile)) {
        text = std::move(*read);
    } else {
        loaded.fileProblems.push_back(read.error().text);
    }
    Settings& s = loaded.settings;
    s = settingsFromText(text);

    s.fontNames = selectableFontNames();
    ProfileAssignments writes;
    for (std::size_t i = 0; i < s.fontNames.size(); ++i)
        writes.emplace_back(keys::kSelectableFontNames[i], s.fontNames[i]);
    if (std::find(s.fontNames.begin(), s.fontNames.end(), s.currentFontName) == s.fontNames.end()) {
        s.currentFontName = s.fontNames[3];
        writes.emplace_back(keys::kCurrentFontName, s.currentFontName);
    }
    writeOrNote(loaded, stores.settingsFile, writes);

    loaded.hideAtStart = s.autoMinimize != 0;
    s.programPath = stores.programPath;
    s.autostart = stores.autostart.isEnabled();
    if (auto notice = ensureSurrogateSupport(stores.registry)) loaded.notices.push_back(std::move(*notice));
    return loaded;
}

}  // namespace tesvik::program
