#pragma once

#include "platform/XdgDirectories.h"

#include <filesystem>
#include <functional>
#include <optional>

namespace tesvik::program {

// Where Tesvik finds its files on Linux.
//
// Settings directory (Tesvik.ini, TSV.chm, "Lumenar license.txt"): when the
// program lies below a folder named "Tesvik-gb13000" (any case), the parent
// of that folder; otherwise $XDG_CONFIG_HOME/tesvik/ (~/.config/tesvik/).
//
// Data directory (the shipped index files, the surrogate-pair list, the
// pinyin data): the program's own directory when the shipped files lie there
// (the portable layout), otherwise <install prefix>/share/tesvik/, the
// prefix taken from where the program lies (<prefix>/bin/tesvik).
//
// User directory (buzimb.txt, buzibuzishoumb.txt and the files derived from
// them): the program's directory in the portable layout, otherwise
// $XDG_DATA_HOME/tesvik/ (~/.local/share/tesvik/).
//
// Every directory path ends in "/".

struct DirectoryOverrides {
    std::optional<std::filesystem::path> dataDir;  // --data-dir
    std::optional<std::filesystem::path> userDir;  // --user-dir
};

struct DirectoryInputs {
    std::filesystem::path programPath;  // full path of the running program
    platform::Environment environment;
    std::filesystem::path installPrefix;  // e.g. /usr/local
    DirectoryOverrides overrides;
};

struct TesvikDirectories {
    std::filesystem::path settings;
    std::filesystem::path data;
    std::filesystem::path user;
    bool portable = false;  // the shipped files lie beside the program
};

// The file whose presence beside the program marks the portable layout.
inline constexpr const char* kPortableMarkerFile = "bihuashu-gb18030.idx";

using FileExists = std::function<bool(const std::filesystem::path&)>;
bool fileExistsOnDisk(const std::filesystem::path& file);

// The program's directory: its path cut after the last "/".
std::filesystem::path programDirectory(const std::filesystem::path& programPath);

std::filesystem::path settingsDirectory(const std::filesystem::path& programPath, const platform::Environment& env);

TesvikDirectories resolveDirectories(const DirectoryInputs& inputs, const FileExists& fileExists = fileExistsOnDisk);

// The prefix the running program was installed under (the parent of its
// bin folder, so that a moved tree keeps finding its data), else the prefix
// this build installs to.
std::filesystem::path defaultInstallPrefix();

std::filesystem::path settingsFile(const TesvikDirectories& dirs);  // <settings>/Tesvik.ini

}  // namespace tesvik::program
