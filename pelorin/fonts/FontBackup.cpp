#include "pelorin/fonts/FontBackup.h"

#include <unistd.h>

#include <system_error>

namespace pelorin::fonts {

std::string copyFileAtomically(const std::filesystem::path& from, const std::filesystem::path& to) {
    std::error_code error;
    const std::filesystem::path temporary =
        to.parent_path() / ("." + to.filename().string() + "." + std::to_string(getpid()) + ".tmp");
    std::filesystem::copy_file(from, temporary, std::filesystem::copy_options::overwrite_existing, error);
    if (!error) std::filesystem::rename(temporary, to, error);
    if (error) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        return error.message();
    }
    return {};
}

std::string backupFont(const FontEntry& entry, const std::filesystem::path& target) {
    return copyFileAtomically(entry.fontFilePath, target);
}

}  // namespace pelorin::fonts
