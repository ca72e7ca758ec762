#include "platform/SessionKind.h"

namespace platform {

SessionKind sessionKind(const Environment& env) {
    const auto set = [&env](const char* name) { return !env.get(name).value_or("").empty(); };
    if (set("WAYLAND_DISPLAY")) return SessionKind::Wayland;
    if (set("DISPLAY")) return SessionKind::X11;
    return SessionKind::None;
}

}  // namespace platform
