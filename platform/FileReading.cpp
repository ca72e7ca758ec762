#include "platform/FileReading.h"

#include <fcntl.h>
#include <unistd.h>
#include <cerrno>
#include <cstring>

namespace platform {

lumenar::Result<std::optional<std::string>, FileError> readFileIfExists(const std::filesystem::path& file) {
    using ReadResult = lumenar::Result<std::optional<std::string>, FileError>;
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT) return std::optional<std::string>();
        return ReadResult::failure({file, std::strerror(errno)});
    }
    std::string content;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) continue;
            const int error = errno;
            ::close(fd);
            return ReadResult::failure({file, std::strerror(error)});
        }
        if (n == 0) break;
        content.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return std::optional<std::string>(std::move(content));
}

}  // namespace platform
