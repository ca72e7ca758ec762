#pragma once

#include <cstdint>
#include <optional>

namespace tesvik::program {

// The version information the operating-system class is computed from.
struct VersionInfo {
    std::uint32_t platformId = 0;  // kPlatformWin32s, kPlatformWindows (9x) or kPlatformNt
    std::uint32_t major = 0;
    std::uint32_t minor = 0;
    std::uint8_t productType = 0;  // kProductWorkstation, or a server type
    std::uint16_t processorArchitecture = 0;
};

inline constexpr std::uint32_t kPlatformWin32s = 0;
inline constexpr std::uint32_t kPlatformWindows = 1;
inline constexpr std::uint32_t kPlatformNt = 2;
inline constexpr std::uint8_t kProductWorkstation = 1;
inline constexpr std::uint16_t kProcessorAmd64 = 9;

// The small integer that names the operating system: 1 and 2 are NT-family
// systems of major version 6 or later, 3 to 7 older NT systems, 8 to 10 the
// Windows 9x releases; other platforms give their platform identifier.
std::uint32_t operatingSystemClass(const VersionInfo& version);

// Classes 1 and 2 get the run-as-administrator compatibility flag.
bool wantsCompatibilityFlag(std::uint32_t operatingSystemClass);

// The running system's version information. Linux has none of this kind, so
// nothing is decided from it there: no compatibility flag is written.
std::optional<VersionInfo> runningVersionInfo();

}  // namespace tesvik::program
