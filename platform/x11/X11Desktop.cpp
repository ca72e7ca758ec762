#include "platform/x11/X11Desktop.h"

namespace platform {

std::unique_ptr<TargetDesktop> openX11Desktop() { return nullptr; }

}  // namespace platform
