#include "platform/InstanceLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <string>
#include <utility>

namespace platform {

namespace {

std::string lowerCase(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// The fallback directory lies in a folder everyone may write: it must be
// a real directory of ours that nobody else can write into.
std::string checkPrivateDirectory(const std::filesystem::path& directory) {
    if (::mkdir(directory.c_str(), 0700) != 0 && errno != EEXIST)
        return directory.string() + ": " + std::strerror(errno);
    struct stat info {};
    if (::lstat(directory.c_str(), &info) != 0) return directory.string() + ": " + std::strerror(errno);
    if (!S_ISDIR(info.st_mode)) return directory.string() + ": not a directory";
    if (info.st_uid != ::getuid()) return directory.string() + ": belongs to another user";
    if ((info.st_mode & 0022) != 0) return directory.string() + ": writable by other users";
    return {};
}

}  // namespace

std::filesystem::path instanceLockDirectory(const std::string& applicationName, const Environment& env) {
    if (const auto runtime = xdgRuntimeDir(env)) return *runtime;
    return std::filesystem::path("/tmp") / (lowerCase(applicationName) + "-" + std::to_string(::getuid()));
}

lumenar::Result<InstanceLock, AnotherInstance> InstanceLock::acquire(std::string applicationName,
                                                                     const Environment& env) {
    const std::filesystem::path directory = instanceLockDirectory(applicationName, env);
    const std::filesystem::path file = directory / (applicationName + ".lock");
    if (!xdgRuntimeDir(env)) {
        if (std::string problem = checkPrivateDirectory(directory); !problem.empty())
            return InstanceLock(-1, file, std::move(problem));
    }
    const int fd = ::open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) return InstanceLock(-1, file, file.string() + ": " + std::strerror(errno));
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        ::close(fd);
        if (error == EWOULDBLOCK) return lumenar::Result<InstanceLock, AnotherInstance>::failure({file});
        return InstanceLock(-1, file, file.string() + ": " + std::strerror(error));
    }
    // The holder's process id, for people who look; the lock itself is what counts.
    const std::string pid = std::to_string(::getpid()) + "\n";
    if (::ftruncate(fd, 0) == 0) {
        [[maybe_unused]] const ssize_t written = ::pwrite(fd, pid.data(), pid.size(), 0);
    }
    return InstanceLock(fd, file, {});
}

InstanceLock::InstanceLock(int descriptor, std::filesystem::path lockFile, std::string problem)
    : descriptor_(descriptor), lockFile_(std::move(lockFile)), problem_(std::move(problem)) {}

InstanceLock::InstanceLock(InstanceLock&& other) noexcept
    : descriptor_(std::exchange(other.descriptor_, -1)),
      lockFile_(std::move(other.lockFile_)),
      problem_(std::move(other.problem_)) {}

InstanceLock& InstanceLock::operator=(InstanceLock&& other) noexcept {
    if (this != &other) {
        if (descriptor_ >= 0) ::close(descriptor_);
        descriptor_ = std::exchange(other.descriptor_, -1);
        lockFile_ = std::move(other.lockFile_);
        problem_ = std::move(other.problem_);
    }
    return *this;
}

// The file stays: removing it would race with a starting copy that has
// opened it but not locked it yet.
InstanceLock::~InstanceLock() {
    if (descriptor_ >= 0) ::close(descriptor_);
}

}  // namespace platform
