#pragma once

#include "common/Result.h"
#include "platform/FileError.h"
#include "platform/XdgDirectories.h"

#include <filesystem>

namespace pelorin::cli {

// The fontconfig rule shipped beside pfiFonts.ini, which gives the faces
// Tesvik draws with ("Lumenar楷体T") an installed font to resolve to.
inline constexpr const char* kFaceRuleFile = "59-lumenar-faces.conf";

// $XDG_CONFIG_HOME/fontconfig/conf.d/59-lumenar-faces.conf: read just before
// the EUDC rules (60-lumenar-eudc.conf), which link fonts behind the faces.
std::filesystem::path userFaceRuleFile(const platform::Environment& env);

// Copies the rule from Pelorin's ini directory into the user's fontconfig
// configuration, replacing an older copy; nothing to do without the rule.
lumenar::Status<platform::FileError> installFaceRule(const std::filesystem::path& iniDirectory,
                                                     const platform::Environment& env);

}  // namespace pelorin::cli
