#include "platform/FileReplacement.h"

#include <sys/stat.h>
#include <cerrno>
#include <cstring>
#include <random>
#include <string>

namespace platform {

namespace {

using Status = lumenar::Status<FileError>;

// Long enough for any target's name plus the suffix to stay under the
// system's limit of 255 bytes a name.
constexpr std::size_t kKeptNameLength = 200;

// ".<name>.<six random letters or digits>" beside the target.
std::filesystem::path temporaryNameFor(const std::filesystem::path& target) {
    static constexpr std::string_view kLetters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    thread_local std::mt19937 random{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> pick(0, kLetters.size() - 1);
    std::string name = "." + target.filename().string().substr(0, kKeptNameLength) + ".";
    for (int i = 0; i < 6; ++i) name += kLetters[pick(random)];
    return target.parent_path() / name;
}

}  // namespace

lumenar::Result<FileReplacement, FileError> FileReplacement::begin(const std::filesystem::path& target,
                                                                   FileSystemCalls& calls) {
    using Begun = lumenar::Result<FileReplacement, FileError>;
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::filesystem::path temporary = temporaryNameFor(target);
        const int fd = calls.createExclusive(temporary);
        if (fd >= 0) return FileReplacement(target, std::move(temporary), fd, calls);
        if (errno != EEXIST) break;
    }
    return Begun::failure({target, std::string("cannot create a temporary file: ") + std::strerror(errno)});
}

FileReplacement::FileReplacement(FileReplacement&& other) noexcept
    : target_(std::move(other.target_)),
      temporary_(std::move(other.temporary_)),
      fd_(other.fd_),
      calls_(other.calls_),
      failure_(std::move(other.failure_)) {
    other.fd_ = -1;
    other.temporary_.clear();
}

FileReplacement& FileReplacement::operator=(FileReplacement&& other) noexcept {
    if (this != &other) {
        abandon();
        target_ = std::move(other.target_);
        temporary_ = std::move(other.temporary_);
        fd_ = other.fd_;
        calls_ = other.calls_;
        failure_ = std::move(other.failure_);
        other.fd_ = -1;
        other.temporary_.clear();
    }
    return *this;
}

FileReplacement::~FileReplacement() { abandon(); }

void FileReplacement::abandon() {
    if (fd_ >= 0) calls_->close(fd_);
    fd_ = -1;
    if (!temporary_.empty()) {
        std::error_code ignored;
        std::filesystem::remove(temporary_, ignored);
    }
    temporary_.clear();
}

Status FileReplacement::fail(int error) {
    abandon();
    failure_ = FileError{target_, std::strerror(error)};
    return Status::failure(*failure_);
}

Status FileReplacement::write(std::string_view bytes) {
    if (failure_) return Status::failure(*failure_);
    if (fd_ < 0) return Status::failure({target_, "the replacement has already been committed"});
    while (!bytes.empty()) {
        const ssize_t n = calls_->write(fd_, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return fail(errno);
        if (n == 0) return fail(EIO);  // a regular file never takes nothing; do not spin
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return {};
}

Status FileReplacement::write(std::span<const std::uint8_t> bytes) {
    return write(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

Status FileReplacement::commit() {
    if (failure_) return Status::failure(*failure_);
    if (fd_ < 0) return Status::failure({target_, "the replacement has already been committed"});
    struct stat existing {};
    if (::stat(target_.c_str(), &existing) == 0 && ::fchmod(fd_, existing.st_mode & 07777) != 0) return fail(errno);
    if (calls_->syncFile(fd_) != 0) return fail(errno);
    const int fd = fd_;
    fd_ = -1;
    if (calls_->close(fd) != 0) return fail(errno);  // a delayed write error may surface here
    if (calls_->rename(temporary_, target_) != 0) return fail(errno);
    temporary_.clear();
    // The rename has happened and every reader sees the new content, so a
    // failed folder sync is not reported as a failed replacement: the old
    // file is gone either way.
    calls_->syncFolder(target_.parent_path());
    return {};
}

Status replaceFile(const std::filesystem::path& target, std::string_view bytes, FileSystemCalls& calls) {
    auto replacement = FileReplacement::begin(target, calls);
    if (!replacement) return Status::failure(replacement.error());
    if (auto written = replacement->write(bytes); !written) return written;
    return replacement->commit();
}

Status replaceFile(const std::filesystem::path& target, std::span<const std::uint8_t> bytes, FileSystemCalls& calls) {
    return replaceFile(target, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), calls);
}

Status createFoldersFor(const std::filesystem::path& file) {
    if (!file.has_parent_path()) return {};
    std::error_code ec;
    std::filesystem::create_directories(file.parent_path(), ec);
    if (ec) return Status::failure({file.parent_path(), ec.message()});
    return {};
}

}  // namespace platform
