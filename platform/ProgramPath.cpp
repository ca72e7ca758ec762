#include "platform/ProgramPath.h"

#include <system_error>

namespace platform {

std::optional<std::filesystem::path> runningProgramPath() {
    std::error_code ec;
    auto path = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec || path.empty()) return std::nullopt;
    return path;
}

std::optional<std::filesystem::path> installPrefixOf(const std::filesystem::path& programFile) {
    const std::filesystem::path folder = programFile.parent_path();
    if (folder.filename() != "bin" || !folder.has_parent_path()) return std::nullopt;
    return folder.parent_path();
}

}  // namespace platform
