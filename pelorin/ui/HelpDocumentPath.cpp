#include "pelorin/ui/HelpDocumentPath.h"

namespace pelorin::ui {

std::optional<std::filesystem::path> pelorinHelpDocument(const std::filesystem::path& programPath) {
    const std::filesystem::path folder = programPath.parent_path();
    for (const std::filesystem::path& candidate :
         {folder / "help" / "index.html", folder.parent_path() / "share" / "pelorin" / "help" / "index.html"}) {
        std::error_code ignored;
        if (std::filesystem::is_regular_file(candidate, ignored)) return candidate;
    }
    return std::nullopt;
}

}  // namespace pelorin::ui
