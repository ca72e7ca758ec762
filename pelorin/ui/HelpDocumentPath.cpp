#include "pelorin/ui/HelpDocumentPath.h"

#include "platform/ProgramPath.h"

#include <vector>

namespace pelorin::ui {

std::optional<std::filesystem::path> pelorinHelpDocument(const std::filesystem::path& programPath) {
    std::vector<std::filesystem::path> candidates{programPath.parent_path() / "help" / "index.html"};
    if (const auto prefix = platform::installPrefixOf(programPath))
        candidates.push_back(*prefix / "share" / "pelorin" / "help" / "index.html");
    for (const std::filesystem::path& candidate : candidates) {
        std::error_code ignored;
        if (std::filesystem::is_regular_file(candidate, ignored)) return candidate;
    }
    return std::nullopt;
}

}  // namespace pelorin::ui
