#include "platform/FileSystemCalls.h"

#include <fcntl.h>
#include <unistd.h>
#include <cerrno>

namespace platform {

namespace {

class SystemFileCalls final : public FileSystemCalls {
public:
    int createExclusive(const std::filesystem::path& file) override {
        return ::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    }
    ssize_t write(int fd, const void* data, std::size_t size) override { return ::write(fd, data, size); }
    int syncFile(int fd) override { return ::fsync(fd); }
    int close(int fd) override { return ::close(fd); }
    int rename(const std::filesystem::path& from, const std::filesystem::path& to) override {
        return ::rename(from.c_str(), to.c_str());
    }
    int syncFolder(const std::filesystem::path& folder) override {
        const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0) return -1;
        const int rc = ::fsync(fd);
        const int error = errno;
        ::close(fd);
        errno = error;
        return rc;
    }
};

}  // namespace

FileSystemCalls& systemFileCalls() {
    static SystemFileCalls calls;
    return calls;
}

}  // namespace platform
