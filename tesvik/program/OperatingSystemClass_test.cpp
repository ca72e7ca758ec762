#include "tesvik/program/OperatingSystemClass.h"

#include <gtest/gtest.h>

namespace tesvik::program {
namespace {

TEST(OperatingSystemClass, ClassifiesVersions) {
    struct Case {
        const char* name;
        VersionInfo version;
        std::uint32_t cls;
    };
    constexpr std::uint8_t server = 3;
    const Case cases[] = {
        {"Vista workstation", {kPlatformNt, 6, 0, kProductWorkstation, 0}, 1},
        {"Server 2008", {kPlatformNt, 6, 0, server, 0}, 2},
        {"Windows 7", {kPlatformNt, 6, 1, kProductWorkstation, 0}, 2},
        {"Windows 10", {kPlatformNt, 10, 0, kProductWorkstation, kProcessorAmd64}, 2},
        {"XP x64", {kPlatformNt, 5, 2, kProductWorkstation, kProcessorAmd64}, 3},
        {"Server 2003 x86 workstation", {kPlatformNt, 5, 2, kProductWorkstation, 0}, 4},
        {"Server 2003", {kPlatformNt, 5, 2, server, kProcessorAmd64}, 4},
        {"XP", {kPlatformNt, 5, 1, kProductWorkstation, 0}, 5},
        {"2000", {kPlatformNt, 5, 0, kProductWorkstation, 0}, 6},
        {"NT 5 unknown minor", {kPlatformNt, 5, 7, kProductWorkstation, 0}, 7},
        {"NT 4", {kPlatformNt, 4, 0, kProductWorkstation, 0}, 7},
        {"95", {kPlatformWindows, 4, 0, 0, 0}, 8},
        {"98", {kPlatformWindows, 4, 10, 0, 0}, 9},
        {"Me", {kPlatformWindows, 4, 90, 0, 0}, 10},
        {"9x unknown minor", {kPlatformWindows, 4, 3, 0, 0}, 3},
        {"9x other major", {kPlatformWindows, 5, 0, 0, 0}, 1},
        {"Win32s", {kPlatformWin32s, 3, 1, 0, 0}, 0},
        {"unknown platform", {3, 1, 0, 0, 0}, 3},
    };
    for (const Case& c : cases) EXPECT_EQ(operatingSystemClass(c.version), c.cls) << c.name;
}

TEST(OperatingSystemClass, OnlyNtSixAndLaterWantTheCompatibilityFlag) {
    EXPECT_TRUE(wantsCompatibilityFlag(operatingSystemClass({kPlatformNt, 6, 0, kProductWorkstation, 0})));
    EXPECT_TRUE(wantsCompatibilityFlag(operatingSystemClass({kPlatformNt, 6, 1, kProductWorkstation, 0})));
    for (std::uint32_t cls = 3; cls <= 10; ++cls) EXPECT_FALSE(wantsCompatibilityFlag(cls)) << cls;
}

TEST(OperatingSystemClass, LinuxDecidesNothing) { EXPECT_FALSE(runningVersionInfo().has_value()); }

}  // namespace
}  // namespace tesvik::program
