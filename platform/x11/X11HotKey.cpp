#include "platform/x11/X11HotKey.h"

namespace platform {

std::unique_ptr<GlobalHotKey> openX11HotKey() { return nullptr; }

}  // namespace platform
