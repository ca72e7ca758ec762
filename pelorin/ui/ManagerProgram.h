#pragma once
// `pelorin manager`: the font manager window as the program's main window.
#include "pelorin/cli/CliSession.h"

namespace pelorin::ui {

// Shows the window until it is closed; the program's exit status.
int runManager(cli::CliSession& session);

}  // namespace pelorin::ui
