#pragma once
// What every page needs from the main window: the settings, the folders and
// where picked characters go.
#include "tesvik/program/CharacterOutput.h"
#include "tesvik/program/Settings.h"
#include "tesvik/program/TesvikDirectories.h"

namespace tesvik::ui {

struct PageContext {
    // Process-wide; the main window replaces it in place after the settings
    // dialog, then calls CandidatePage::applySettings().
    const tesvik::program::Settings* settings = nullptr;
    tesvik::program::TesvikDirectories directories;      // data / user / settings folders
    tesvik::program::CharacterOutput* output = nullptr;  // where picked characters go
};

}  // namespace tesvik::ui
