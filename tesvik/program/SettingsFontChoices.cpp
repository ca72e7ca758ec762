#include "tesvik/program/SettingsFontChoices.h"

#include <algorithm>
#include <iterator>

namespace tesvik::program {

std::vector<std::string> settingsFontChoices(const Settings& settings) {
    std::vector<std::string> choices;
    if (!settings.currentFontName.empty()) choices.push_back(settings.currentFontName);
    for (const std::string& name : settings.fontNames) {
        if (!name.empty() && name != settings.currentFontName) choices.push_back(name);
    }
    return choices;
}

std::vector<std::string> settingsFontChoices(const Settings& settings,
                                             const std::function<bool(const std::string&)>& drawsIdeographs) {
    const std::vector<std::string> all = settingsFontChoices(settings);
    std::vector<std::string> drawing;
    std::copy_if(all.begin(), all.end(), std::back_inserter(drawing), drawsIdeographs);
    return drawing.empty() ? all : drawing;
}

}  // namespace tesvik::program
