#include "platform/ProgramPath.h"

#include <system_error>

namespace platform {

std::optional<std::filesystem::path> runningProgramPath() {
    std::error_code ec;
    auto path = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec || path.empty()) return std::nullopt;
    return path;
}

}  // namespace platform
