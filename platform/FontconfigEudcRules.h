#pragma once

#include "common/Result.h"
#include "platform/FileError.h"
#include "platform/XdgDirectories.h"

#include <cstdint>
#include <filesystem>
#include <set>
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
// - for each code in `contested` (codes an EUDC file draws that another
//   installed font draws too), a rule that puts the EUDC family first,
//   strongly, in a pattern asking for that code, so that the EUDC glyph
//   wins over the other font's private one as it wins for a linked face
//   (for a file linked to faces only, in patterns naming one of its faces).
// Files outside the fonts folder get their folder listed as a font folder.
std::string eudcRulesXml(const std::vector<EudcFallback>& fallbacks, const std::filesystem::path& fontsFolder,
                         const std::set<std::uint32_t>& contested = {});

// The codes the EUDC files draw that a font outside them (fontconfig's list
// of installed fonts) draws as well.
std::set<std::uint32_t> codesOtherFontsDraw(const std::vector<EudcFallback>& fallbacks);

// The family name the rules give to an EUDC file ("EUDC " + its file name,
// made unique among `files` by a number when two files share a name).
std::string eudcFamilyName(const std::filesystem::path& file, const std::vector<std::filesystem::path>& files);

// $XDG_CONFIG_HOME/fontconfig/conf.d: where the user's fontconfig rules lie.
std::filesystem::path userFontconfigRulesFolder(const Environment& env);

// $XDG_CONFIG_HOME/fontconfig/conf.d/60-lumenar-eudc.conf
std::filesystem::path eudcRulesFile(const Environment& env);

// Replaces the rules file in one step and refreshes fontconfig's caches of the
// fonts folder and of every folder holding an EUDC file.
lumenar::Status<FileError> publishEudcRules(const Environment& env, const std::vector<EudcFallback>& fallbacks,
                                            const std::filesystem::path& fontsFolder);

}  // namespace platform
