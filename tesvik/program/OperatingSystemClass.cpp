#include "tesvik/program/OperatingSystemClass.h"

namespace tesvik::program {

namespace {

std::uint32_t ntClass(const VersionInfo& v) {
    if (v.major > 6 || (v.major == 6 && v.minor > 0)) return 2;
    if (v.major == 6) return v.productType == kProductWorkstation ? 1 : 2;
    if (v.major == 5) {
        switch (v.minor) {
            case 2:
                return v.productType == kProductWorkstation && v.processorArchitecture == kProcessorAmd64 ? 3 : 4;
            case 1:
                return 5;
            case 0:
                return 6;
            default:
                return v.minor;
        }
    }
    return 7;
}

std::uint32_t windows9xClass(const VersionInfo& v) {
    if (v.major != 4) return 1;
    switch (v.minor) {
        case 0:
            return 8;
        case 10:
            return 9;
        case 90:
            return 10;
        default:
            return v.minor;
    }
}

}  // namespace

std::uint32_t operatingSystemClass(const VersionInfo& version) {
    switch (version.platformId) {
        case kPlatformNt:
            return ntClass(version);
        case kPlatformWindows:
            return windows9xClass(version);
        default:
            return version.platformId;
    }
}

bool wantsCompatibilityFlag(std::uint32_t cls) { return cls == 1 || cls == 2; }

std::optional<VersionInfo> runningVersionInfo() { return std::nullopt; }

}  // namespace tesvik::program
