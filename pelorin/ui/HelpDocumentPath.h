#pragma once

#include <filesystem>
#include <optional>

namespace pelorin::ui {

// The HTML help shipped with Pelorin: "help/index.html" beside the program,
// else "share/pelorin/help/index.html" under the prefix the program lies in
// (<prefix>/bin). Nothing when neither exists.
std::optional<std::filesystem::path> pelorinHelpDocument(const std::filesystem::path& programPath);

}  // namespace pelorin::ui
