#pragma once
// The target desktop on an X11 display: EWMH for the active window and
// activation, XTest for typing.
#include "platform/TargetDesktop.h"

#include <memory>

namespace platform {

// Null when no X display can be opened or it lacks the XTest extension.
std::unique_ptr<TargetDesktop> openX11Desktop();

}  // namespace platform
