#include "platform/AtomicFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

using ReadResult = lumenar::Result<std::optional<std::string>, FileError>;
using WriteStatus = lumenar::Status<FileError>;

std::string systemError(int error) { return std::strerror(error); }

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    int get() const { return fd_; }
    // Closes now, reporting the error a delayed write may surface here.
    int close() {
        const int rc = ::close(fd_);
        fd_ = -1;
        return rc;
    }

private:
    int fd_;
};

bool writeAll(int fd, std::string_view content) {
    while (!content.empty()) {
        const ssize_t n = ::write(fd, content.data(), content.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        content.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// A temporary file beside the target, created exclusively.
std::pair<int, std::filesystem::path> createTemporaryBeside(const std::filesystem::path& file) {
    static unsigned counter = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::filesystem::path temp = file.parent_path() /
            ("." + file.filename().string() + "." + std::to_string(::getpid()) + "." + std::to_string(counter++) + ".tmp");
        const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return {fd, temp};
    }
    errno = EEXIST;
    return {-1, {}};
}

void syncDirectory(const std::filesystem::path& dir) {
    const int fd = ::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

}  // namespace

ReadResult readFileIfExists(const std::filesystem::path& file) {
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT) return std::optional<std::string>();
        return ReadResult::failure({file, systemError(errno)});
    }
    FileDescriptor guard(fd);
    std::string content;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) continue;
            return ReadResult::failure({file, systemError(errno)});
        }
        if (n == 0) break;
        content.append(buffer, static_cast<std::size_t>(n));
    }
    return std::optional<std::string>(std::move(content));
}

WriteStatus writeFileAtomically(const std::filesystem::path& file, std::string_view content) {
    std::error_code ec;
    if (file.has_parent_path()) {
        std::filesystem::create_directories(file.parent_path(), ec);
        if (ec) return WriteStatus::failure({file.parent_path(), ec.message()});
    }
    const auto created = createTemporaryBeside(file);
    const int fd = created.first;
    const std::filesystem::path& temp = created.second;
    if (fd < 0) return WriteStatus::failure({file, "cannot create a temporary file: " + systemError(errno)});
    FileDescriptor guard(fd);
    auto fail = [&temp](const std::filesystem::path& what, int error) {
        ::unlink(temp.c_str());
        return WriteStatus::failure({what, systemError(error)});
    };

    struct stat existing {};
    if (::stat(file.c_str(), &existing) == 0) ::fchmod(fd, existing.st_mode & 07777);
    if (!writeAll(fd, content) || ::fsync(fd) != 0) return fail(temp, errno);
    if (guard.close() != 0) return fail(temp, errno);
    if (::rename(temp.c_str(), file.c_str()) != 0) return fail(file, errno);
    syncDirectory(file.parent_path());
    return {};
}

}  // namespace platform
