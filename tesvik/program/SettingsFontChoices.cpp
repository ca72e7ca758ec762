#include "tesvik/program/SettingsFontChoices.h"

namespace tesvik::program {

std::vector<std::string> settingsFontChoices(const Settings& settings) {
    std::vector<std::string> choices;
    if (!settings.currentFontName.empty()) choices.push_back(settings.currentFontName);
    for (const std::string& name : settings.fontNames) {
        if (!name.empty() && name != settings.currentFontName) choices.push_back(name);
    }
    return choices;
}

}  // namespace tesvik::program
