#pragma once

#include <filesystem>
#include <string>

namespace platform {

struct FileError {
    std::filesystem::path path;
    std::string reason;  // e.g. the system's error text

    std::string describe() const { return path.string() + ": " + reason; }
};

}  // namespace platform
