#pragma once

#include "common/Result.h"
#include "platform/FileError.h"
#include "platform/XdgDirectories.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace platform {

// A run of code points, first to last inclusive.
struct CodePointRange {
    std::uint32_t first = 0;
    std::uint32_t last = 0;
    bool operator==(const CodePointRange&) const = default;
};

// An EUDC font that a face (or, with an empty face, every face) falls back to.
struct EudcFallback {
    std::string face;                        // empty: the system default
    std::filesystem::path file;              // the EUDC font file
    std::vector<CodePointRange> drawnCodes;  // the code points the file really draws
};

// fontconfig's rules that make the EUDC fonts the faces' fallbacks:
// - a scan rule per EUDC file, giving it a family name of its own (every EUDC
//   file calls itself "EUDC") and the set of code points it really draws, so
//   that an empty slot falls through to the next font instead of a blank;
// - an "append" rule per linked face, placing its EUDC family (and the
//   system default's after it) right after the face, bound as the face is;
// - one rule that appends the system default's family, weakly, to every
//   pattern, so that it serves faces without a link of their own where no
//   other font draws the code (a strong binding would make it the match for
//   every family that is not installed).
// The scan rule also gives each EUDC file every language of `languages`, so
// that the locale's language, which fontconfig weighs before the weak
// families, never ranks a font that happens to draw some of the same
// Private Use Area codes above the linked EUDC font.
// Files outside the fonts folder get their folder listed as a font folder.
std::string eudcRulesXml(const std::vector<EudcFallback>& fallbacks, const std::filesystem::path& fontsFolder,
                         const std::vector<std::string>& languages);

// The family name the rules give to an EUDC file ("EUDC " + its file name,
// made unique among `files` by a number when two files share a name).
std::string eudcFamilyName(const std::filesystem::path& file, const std::vector<std::filesystem::path>& files);

// $XDG_CONFIG_HOME/fontconfig/conf.d/60-lumenar-eudc.conf
std::filesystem::path eudcRulesFile(const Environment& env);

// Replaces the rules file in one step and refreshes fontconfig's caches of the
// fonts folder and of every folder holding an EUDC file.
lumenar::Status<FileError> publishEudcRules(const Environment& env, const std::vector<EudcFallback>& fallbacks,
                                            const std::filesystem::path& fontsFolder);

}  // namespace platform
