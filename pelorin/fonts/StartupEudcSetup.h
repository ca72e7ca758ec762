#pragma once

#include "pelorin/fonts/EudcLinks.h"
#include "pelorin/fonts/FontMessages.h"

#include <filesystem>
#include <string>
#include <vector>

namespace pelorin::fonts {

// What Pelorin does every time it starts: links the population-register
// EUDC font to the faces named in pfiFonts.ini and sets the system default
// EUDC font, all under code page 936.
//
// pfiFonts.ini is read as lines ending at CR or LF. A line beginning with
// '[' names the target: one containing "system", or without '(', makes
// <fonts>/EUDC.TTE the system default and ends the reading; otherwise the
// file between the last '(' and the line's last character becomes the target
// and the system default. Any other line ended by CR (or by the end of the
// file) names a face to link to the target when such a TrueType face is
// installed; "simsun" in any letter case stands for the face "宋体", linked
// as "SimSun". Lines ended by LF are skipped, as they always were.
// Without the file (or with an empty one) the system default becomes
// <fonts>/EUDC.TTE and every link to LMCivic.TTE is removed. The link
// changes take effect together at the end; links that fail are shown.
// A target file is taken from the user's fonts folder when it lies there,
// else from `installedFontsFolder` when it lies there (the user's copy wins);
// a file in neither is linked in the user's fonts folder, ready for a copy.
void startupEudcSetup(const std::filesystem::path& iniFile, const std::filesystem::path& fontsFolder,
                      const std::vector<std::string>& trueTypeFaces, EudcLinks& links, MessageSink& messages,
                      const std::filesystem::path& installedFontsFolder = {});

// pfiFonts.ini in Pelorin's ini directory (see PelorinIniDirectory.h).
std::filesystem::path startupIniPath(const std::filesystem::path& programFile);

// Where the install puts the register font for a program installed as
// <prefix>/bin/pelorin: <prefix>/share/fonts/truetype/lumenar. Empty for a
// program outside an install tree.
std::filesystem::path installedFontsFolder(const std::filesystem::path& programFile);

}  // namespace pelorin::fonts
