#pragma once

#include "tesvik/program/Settings.h"

#include <string>
#include <vector>

namespace tesvik::program {

// The settings dialog's font list: the current font when it has a name, then
// every selectable font that has a name and is not the current one. The first
// entry is the one selected.
std::vector<std::string> settingsFontChoices(const Settings& settings);

}  // namespace tesvik::program
