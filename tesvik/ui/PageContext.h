#pragma once
// What every page needs from the main window: the settings, the folders and
// where picked characters go.
#include "tesvik/shell/CharacterOutput.h"
#include "tesvik/shell/Settings.h"
#include "tesvik/shell/TesvikDirectories.h"

namespace tesvik::ui {

struct PageContext {
    // Process-wide; the main window replaces it in place after the settings
    // dialog, then calls CandidatePage::applySettings().
    const tesvik::Settings* settings = nullptr;
    tesvik::TesvikDirectories directories;  // data / user / settings folders
    tesvik::CharacterOutput* output = nullptr;  // where picked characters go
};

}  // namespace tesvik::ui
