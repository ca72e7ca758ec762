#pragma once

#include "platform/XdgDirectories.h"

#include <functional>
#include <string>
#include <vector>

namespace pelorin::cli {

// Exit statuses of the pelorin command.
inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailure = 1;  // the operation failed; its message was shown
inline constexpr int kExitUsage = 2;
inline constexpr int kExitCancelled = 3;  // the import was cancelled (Ctrl+C); nothing was changed
inline constexpr int kExitIncomplete = 4;  // pfi-pack --map: the library lacks codes of the map

class CliSession;

// Shows the font manager window until it is closed (`pelorin manager`); the
// window lives outside this library, so the command line needs no Qt.
using ManagerWindow = std::function<int(CliSession&)>;

// Runs the command line (arguments after the program name). Without a
// window, `pelorin manager` fails with a message.
int runPelorin(const std::vector<std::string>& args, const platform::Environment& env,
               const ManagerWindow& managerWindow = {});

}  // namespace pelorin::cli
