#pragma once
// The global hot key on an X11 display: a key grab on the root window, on
// the program's own connection to the server.
#include "platform/GlobalHotKey.h"

#include <memory>

namespace platform {

// Null when no X display can be opened.
std::unique_ptr<GlobalHotKey> openX11HotKey();

}  // namespace platform
