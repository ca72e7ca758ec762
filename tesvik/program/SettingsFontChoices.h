#pragma once

#include "tesvik/program/Settings.h"

#include <functional>
#include <string>
#include <vector>

namespace tesvik::program {

// The settings dialog's font list: the current font when it has a name, then
// every selectable font that has a name and is not the current one. The first
// entry is the one selected.
std::vector<std::string> settingsFontChoices(const Settings& settings);

// The same list without the names for which `drawsIdeographs` is false (a
// name that resolves to a font without CJK ideographs draws boxes); the whole
// list when it holds for none, so that the dialog still has a font to confirm.
std::vector<std::string> settingsFontChoices(const Settings& settings,
                                             const std::function<bool(const std::string&)>& drawsIdeographs);

}  // namespace tesvik::program
