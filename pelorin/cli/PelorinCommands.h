#pragma once

#include "platform/XdgDirectories.h"

#include <string>
#include <vector>

namespace pelorin::cli {

// Exit statuses of the pelorin command.
inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailure = 1;  // the operation failed; its message was shown
inline constexpr int kExitUsage = 2;
inline constexpr int kExitIncomplete = 3;  // pfi-pack --map: the library lacks codes of the map

// Runs the command line (arguments after the program name).
int runPelorin(const std::vector<std::string>& args, const platform::Environment& env);

}  // namespace pelorin::cli
