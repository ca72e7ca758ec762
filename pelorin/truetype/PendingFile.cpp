#include "pelorin/truetype/PendingFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <random>
#include <string>

namespace pelorin::truetype {
namespace {

std::string ErrnoText() { return std::strerror(errno); }

std::filesystem::path TemporaryNameFor(const std::filesystem::path& finalPath) {
    static std::atomic<unsigned> counter{0};
    static const unsigned salt = std::random_device{}();
    std::string name = "." + finalPath.filename().string() + ".part-" + std::to_string(::getpid()) + "-" +
                       std::to_string(salt % 100000) + "-" + std::to_string(counter++);
    return finalPath.parent_path() / name;
}

bool WriteAll(int fd, std::span<const uint8_t> bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes = bytes.subspan(static_cast<size_t>(n));
    }
    return true;
}

}  // namespace

TrueTypeResult<PendingFile> PendingFile::Begin(const std::filesystem::path& finalPath) {
    for (int attempt = 0; attempt < 16; ++attempt) {
        std::filesystem::path temporary = TemporaryNameFor(finalPath);
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) return PendingFile(finalPath, std::move(temporary), fd);
        if (errno != EEXIST) {
            return TrueTypeResult<PendingFile>::failure(
                MakeError(TrueTypeErrorKind::CannotCreate, finalPath.string() + ": " + ErrnoText()));
        }
    }
    return TrueTypeResult<PendingFile>::failure(
        MakeError(TrueTypeErrorKind::CannotCreate, finalPath.string() + ": no free temporary name"));
}

PendingFile::PendingFile(PendingFile&& other) noexcept
    : finalPath_(std::move(other.finalPath_)), temporaryPath_(std::move(other.temporaryPath_)), fd_(other.fd_) {
    other.fd_ = -1;
    other.temporaryPath_.clear();
}

PendingFile& PendingFile::operator=(PendingFile&& other) noexcept {
    if (this != &other) {
        Abandon();
        finalPath_ = std::move(other.finalPath_);
        temporaryPath_ = std::move(other.temporaryPath_);
        fd_ = other.fd_;
        other.fd_ = -1;
        other.temporaryPath_.clear();
    }
    return *this;
}

PendingFile::~PendingFile() { Abandon(); }

void PendingFile::Abandon() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    if (!temporaryPath_.empty()) ::unlink(temporaryPath_.c_str());
    temporaryPath_.clear();
}

TrueTypeStatus PendingFile::Commit(std::span<const uint8_t> bytes) {
    if (fd_ < 0) return TrueTypeStatus::failure(MakeError(TrueTypeErrorKind::WriteFailed, "file already closed"));
    auto fail = [&](const char* what) {
        TrueTypeError error = MakeError(TrueTypeErrorKind::WriteFailed,
                                        finalPath_.string() + ": " + what + ": " + ErrnoText());
        Abandon();
        return TrueTypeStatus::failure(std::move(error));
    };
    // A file we replace keeps its permissions.
    struct stat existing {};
    if (::stat(finalPath_.c_str(), &existing) == 0) ::fchmod(fd_, existing.st_mode & 07777);
    if (!WriteAll(fd_, bytes)) return fail("write");
    if (::fsync(fd_) != 0) return fail("sync");
    if (::close(fd_) != 0) {
        fd_ = -1;
        return fail("close");
    }
    fd_ = -1;
    if (::rename(temporaryPath_.c_str(), finalPath_.c_str()) != 0) return fail("rename");
    temporaryPath_.clear();
    return {};
}

}  // namespace pelorin::truetype
