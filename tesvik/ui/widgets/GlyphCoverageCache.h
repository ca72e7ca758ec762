#pragma once
// The glyph coverage of the grids' font, computed once per font family and
// shared by every grid and status line.
#include "platform/GlyphCoverage.h"

#include <QString>

#include <filesystem>
#include <memory>
#include <optional>

namespace tesvik::ui {

std::shared_ptr<const platform::GlyphCoverage> glyphCoverageOf(const QString& family);

// Tests point the coverage at a fontconfig file of their own; the cache is
// emptied. None: the system configuration.
void useFontConfigFile(std::optional<std::filesystem::path> file);

}  // namespace tesvik::ui
