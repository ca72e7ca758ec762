#pragma once

#include "pelorin/fonts/EudcLinks.h"
#include "pelorin/fonts/FontEntry.h"
#include "pelorin/fonts/FontMessages.h"
#include "pelorin/fonts/ImportProgress.h"
#include "pelorin/pfi/PfiDoc.h"

#include <cstdint>
#include <functional>
#include <string>

namespace pelorin::fonts {

enum class ImportMode {
    EudcOnly = 0,            // a new EUDC font from the library's EUDC codes
    EudcIntoFont = 1,        // the library's EUDC codes added to the face's EUDC font
    EverythingIntoFont = 2,  // as 1, and the other codes into a new copy of the font
};

enum class Precedence {
    CurrentFont = 0,  // glyphs the font already has stay
    Library = 1,      // the library's glyphs replace them
};

// The import dialog's settings.
struct ImportSettings {
    std::string libraryPath;
    std::string newFontPath;
    std::string newEudcPath;
    ImportMode mode = ImportMode::EudcOnly;
    Precedence precedence = Precedence::CurrentFont;
    bool smooth = false;
};

// The dialog's defaults for an entry: the new font file in `currentDirectory`
// under the font file's name; the new EUDC file the entry's EUDC file, else
// the new font path with its last character replaced by 'e'.
ImportSettings defaultImportSettings(const FontEntry& entry, const std::string& currentDirectory);

// What an import needs from its surroundings.
struct ImportContext {
    EudcLinks& links;
    MessageSink& messages;
    ImportProgress& progress;
    PfiOpenOptions libraryOptions;
    // usWinAscent of the installed face a new EUDC font serves.
    std::function<std::uint16_t(const FontEntry&)> baseWinAscent;
};

// Brings a library into the entry's face. On success the entry's library
// path is set and its EUDC path and new font path are brought up to date;
// on failure its library path is cleared (and, when mode 2 failed after its
// EUDC step, its new font path too). Every failure is shown as a message.
// The files are written only once every glyph is converted, so an import
// cancelled through the progress (between two characters) writes nothing,
// leaves the face's link and the entry as they were, and shows that it was
// cancelled. The face's link changes take effect once, at the end.
bool runImport(FontEntry& entry, const ImportSettings& settings, ImportContext& context);

// CreateEudc's file work alone: a new EUDC font at `path` holding the
// library's EUDC codes, converted from `codePage` to the Private Use Area.
// Fails (showing the message) when the file cannot be written.
bool writeNewEudcFont(const std::string& path, std::uint16_t codePage, std::uint16_t languageId,
                      std::uint16_t baseWinAscent, const CPfiDoc& library, bool smooth, MessageSink& messages,
                      ImportProgress& progress);

}  // namespace pelorin::fonts
