#pragma once
// Puts text on the session's clipboard through the outside tool that
// serves it after this process has ended (wl-copy on Wayland, xclip on X11),
// for programs without a window of their own.
#include "common/Result.h"
#include "platform/SessionKind.h"

#include <string>

namespace platform {

lumenar::Status<std::string> copyWithClipboardTool(const std::string& utf8, SessionKind session);

}  // namespace platform
