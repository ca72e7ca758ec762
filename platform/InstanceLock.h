#pragma once
// One running copy per user: an exclusive lock on a file in the user's
// runtime directory ($XDG_RUNTIME_DIR, else /tmp/<application>-<uid>). The
// system releases the lock when its holder ends, however it ends, so a file
// left by a dead process does not block.
#include "common/Result.h"
#include "platform/XdgDirectories.h"

#include <filesystem>
#include <string>

namespace platform {

struct AnotherInstance {
    std::filesystem::path lockFile;
};

class InstanceLock {
public:
    // Fails only when another living process holds the lock. When no lock
    // file can be made (no writable runtime directory) the program may run:
    // the lock returned then holds nothing (held() is false, problem() says why).
    static lumenar::Result<InstanceLock, AnotherInstance> acquire(std::string applicationName, const Environment& env);

    InstanceLock(InstanceLock&& other) noexcept;
    InstanceLock& operator=(InstanceLock&& other) noexcept;
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;
    ~InstanceLock();

    bool held() const { return descriptor_ >= 0; }
    const std::filesystem::path& lockFile() const { return lockFile_; }
    const std::string& problem() const { return problem_; }

private:
    InstanceLock(int descriptor, std::filesystem::path lockFile, std::string problem);

    int descriptor_ = -1;
    std::filesystem::path lockFile_;
    std::string problem_;
};

// Where the lock file of `applicationName` lies.
std::filesystem::path instanceLockDirectory(const std::string& applicationName, const Environment& env);

}  // namespace platform
