#pragma once

#include "common/Result.h"
#include "platform/FileError.h"
#include "platform/XdgDirectories.h"

#include <filesystem>
#include <string_view>

namespace platform {

// A program's entry in the desktop session's autostart folder:
// $XDG_CONFIG_HOME/autostart/<id>.desktop.
std::filesystem::path xdgAutostartFile(const Environment& env, std::string_view id);

// The entry starts `program`: it exists, is neither hidden nor disabled, and
// its Exec line runs that program.
bool xdgAutostartStarts(const std::filesystem::path& entryFile, const std::filesystem::path& program);

// Writes an entry that starts `program` (no arguments), shown as `name`.
lumenar::Status<FileError> writeXdgAutostartEntry(const std::filesystem::path& entryFile,
                                                  const std::filesystem::path& program, std::string_view name);

// Removes the entry; an absent entry is no error.
lumenar::Status<FileError> removeXdgAutostartEntry(const std::filesystem::path& entryFile);

}  // namespace platform
