#include "pelorin/fonts/FontBackup.h"

#include "platform/FileReplacement.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace pelorin::fonts {

std::string copyFileAtomically(const std::filesystem::path& from, const std::filesystem::path& to) {
    const int source = ::open(from.c_str(), O_RDONLY | O_CLOEXEC);
    if (source < 0) return std::strerror(errno);
    auto copy = platform::FileReplacement::begin(to);
    if (!copy) {
        ::close(source);
        return copy.error().reason;
    }
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(source, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            const std::string error = std::strerror(errno);
            ::close(source);
            return error;  // the unfinished copy is removed as it goes
        }
        if (n == 0 || !copy->write(std::string_view(buffer, static_cast<std::size_t>(n)))) break;
    }
    ::close(source);
    const auto committed = copy->commit();  // also reports a failed write
    return committed ? std::string() : committed.error().reason;
}

std::string backupFont(const FontEntry& entry, const std::filesystem::path& target) {
    return copyFileAtomically(entry.fontFilePath, target);
}

}  // namespace pelorin::fonts
