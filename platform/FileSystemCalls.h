#pragma once

#include <sys/types.h>
#include <cstddef>
#include <filesystem>

namespace platform {

// The system calls a file replacement makes, behind an interface so that a
// test can make any one of them fail. Each behaves like the call it is named
// after: -1 with errno set on failure.
class FileSystemCalls {
public:
    virtual ~FileSystemCalls() = default;

    // Creates the file, failing with EEXIST when the name is taken; the new
    // file's permissions are 0666 less the umask.
    virtual int createExclusive(const std::filesystem::path& file) = 0;
    virtual ssize_t write(int fd, const void* data, std::size_t size) = 0;
    virtual int syncFile(int fd) = 0;
    virtual int close(int fd) = 0;
    virtual int rename(const std::filesystem::path& from, const std::filesystem::path& to) = 0;
    virtual int syncFolder(const std::filesystem::path& folder) = 0;
};

// The operating system's own calls.
FileSystemCalls& systemFileCalls();

}  // namespace platform
