#include "pelorin/fonts/PelorinIniDirectory.h"

#include "platform/ProgramPath.h"

#include <system_error>

namespace pelorin::fonts {

std::filesystem::path pelorinIniDirectory(const std::filesystem::path& programFile, const IniExists& exists) {
    const std::filesystem::path besideProgram = programFile.parent_path();
    if (exists(besideProgram / "pfiFonts.ini")) return besideProgram;
    const auto prefix = platform::installPrefixOf(programFile);
    return prefix ? *prefix / "share" / "pelorin" : besideProgram;
}

std::filesystem::path pelorinIniDirectory(const std::filesystem::path& programFile) {
    return pelorinIniDirectory(programFile, [](const std::filesystem::path& file) {
        std::error_code ec;
        return std::filesystem::is_regular_file(file, ec);
    });
}

}  // namespace pelorin::fonts
