#pragma once
// Which kind of graphical session the environment names.
#include "platform/XdgDirectories.h"

namespace platform {

enum class SessionKind { Wayland, X11, None };

// $WAYLAND_DISPLAY set: Wayland (an X display beside it is XWayland's);
// else $DISPLAY set: X11.
SessionKind sessionKind(const Environment& env);

}  // namespace platform
