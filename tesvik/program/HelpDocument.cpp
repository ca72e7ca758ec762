#include "tesvik/program/HelpDocument.h"

namespace tesvik::program {

std::optional<std::filesystem::path> helpDocument(const TesvikDirectories& dirs,
                                                  const std::filesystem::path& programPath,
                                                  const FileExists& fileExists) {
    const std::filesystem::path candidates[] = {
        dirs.settings / kHelpFile,
        programDirectory(programPath) / kShippedHelp,
        dirs.data / kShippedHelp,
    };
    for (const auto& candidate : candidates) {
        if (fileExists(candidate)) return candidate;
    }
    return std::nullopt;
}

}  // namespace tesvik::program
