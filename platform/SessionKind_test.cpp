#include "platform/SessionKind.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

TEST(SessionKind, WaylandDisplayWinsOverXWaylandsDisplay) {
    struct Case {
        std::map<std::string, std::string> variables;
        SessionKind expected;
    };
    for (const Case& c : {
             Case{{{"WAYLAND_DISPLAY", "wayland-1"}, {"DISPLAY", ":0"}}, SessionKind::Wayland},
             Case{{{"DISPLAY", ":0"}}, SessionKind::X11},
             Case{{{"WAYLAND_DISPLAY", ""}, {"DISPLAY", ":1"}}, SessionKind::X11},
             Case{{{"DISPLAY", ""}}, SessionKind::None},
             Case{{}, SessionKind::None},
         }) {
        EXPECT_EQ(sessionKind(Environment{c.variables}), c.expected);
    }
}

}  // namespace
}  // namespace platform
