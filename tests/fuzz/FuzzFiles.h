#pragma once

// Helpers for the fuzz targets: a scratch folder and a way to cut one input
// into several files.

#include <unistd.h>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <span>
#include <string>

namespace fuzz {

// A folder for the files one input is cut into, below $TMPDIR; the test run
// points $TMPDIR into its build folder.
inline const std::filesystem::path& scratchDirectory() {
    static const std::filesystem::path dir = [] {
        auto d = std::filesystem::temp_directory_path() / ("lumenar-fuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(d);
        return d;
    }();
    return dir;
}

inline void writeFile(const std::filesystem::path& path, std::span<const std::uint8_t> bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// Takes the next piece of the input: a length byte, then that many bytes
// scaled by `unit` (so pieces can hold whole records); the last piece takes
// the rest.
class InputPieces {
public:
    explicit InputPieces(std::span<const std::uint8_t> input) : rest_(input) {}

    std::uint8_t byte() {
        if (rest_.empty()) return 0;
        const std::uint8_t b = rest_[0];
        rest_ = rest_.subspan(1);
        return b;
    }

    std::span<const std::uint8_t> piece(std::size_t unit) {
        const std::size_t wanted = std::size_t{byte()} * unit;
        const std::size_t length = wanted < rest_.size() ? wanted : rest_.size();
        const auto taken = rest_.first(length);
        rest_ = rest_.subspan(length);
        return taken;
    }

    std::span<const std::uint8_t> rest() {
        const auto taken = rest_;
        rest_ = {};
        return taken;
    }

private:
    std::span<const std::uint8_t> rest_;
};

// A short stroke-digit string drawn from the input ("1".."5").
inline std::string strokeDigits(InputPieces& input, std::size_t maxLength) {
    std::string digits;
    const std::size_t length = input.byte() % (maxLength + 1);
    for (std::size_t i = 0; i < length; ++i) digits += static_cast<char>('1' + input.byte() % 5);
    return digits;
}

}  // namespace fuzz
