#pragma once

// Helpers shared by this folder's tests and benchmarks (header only, so it
// stays out of the library).

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include <unistd.h>

#include "pelorin/truetype/BigEndian.h"
#include "pelorin/truetype/GlyphOutline.h"
#include "pelorin/truetype/SimpleGlyphCodec.h"
#include "pelorin/truetype/TableTag.h"

namespace pelorin::truetype::testing {

// A fresh, empty directory under the system temporary folder, removed by the destructor.
class ScratchDir {
public:
    explicit ScratchDir(const std::string& name) {
        path_ = std::filesystem::temp_directory_path() / ("pelorin-tt-" + name + "-" + std::to_string(::getpid()));
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~ScratchDir() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }
    size_t EntryCount() const {
        size_t n = 0;
        for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(path_)) ++n;
        return n;
    }

private:
    std::filesystem::path path_;
};

// An axis-aligned square contour, corners on the curve.
inline Contour Square(int32_t x, int32_t y, int32_t side) {
    return {{x, y, true}, {x, y + side, true}, {x + side, y + side, true}, {x + side, y, true}};
}

inline std::vector<uint8_t> SquareGlyph(int32_t x, int32_t y, int32_t side) {
    const std::vector<Contour> contours{Square(x, y, side)};
    return EncodeSimpleGlyph(contours);
}

// A contour of n points round a centre: on-curve and off-curve points alternate.
inline Contour Ring(int32_t cx, int32_t cy, int32_t radius, int n, uint32_t seed) {
    Contour c;
    for (int i = 0; i < n; ++i) {
        // A cheap deterministic wobble keeps the deltas varied without <cmath>.
        const int32_t wobble = static_cast<int32_t>((seed * 2654435761u + static_cast<uint32_t>(i) * 40503u) % 7u);
        const int k = i % 8;
        static constexpr int dx[8] = {100, 71, 0, -71, -100, -71, 0, 71};
        static constexpr int dy[8] = {0, 71, 100, 71, 0, -71, -100, -71};
        c.push_back({cx + dx[k] * (radius - wobble - i / 8) / 100, cy + dy[k] * (radius - wobble - i / 8) / 100,
                     i % 2 == 0});
    }
    return c;
}

// Reads a table's directory record from serialized font bytes.
struct RecordView {
    uint32_t checkSum = 0, offset = 0, length = 0;
    bool found = false;
};
inline RecordView FindRecord(std::span<const uint8_t> file, TableTag tag) {
    const uint16_t n = GetU16(file, 4);
    for (size_t i = 0; i < n; ++i) {
        const size_t at = 12 + 16 * i;
        if (GetU32(file, at) == tag) return {GetU32(file, at + 4), GetU32(file, at + 8), GetU32(file, at + 12), true};
    }
    return {};
}
inline std::span<const uint8_t> TableBytes(std::span<const uint8_t> file, TableTag tag) {
    const RecordView r = FindRecord(file, tag);
    return r.found ? file.subspan(r.offset, r.length) : std::span<const uint8_t>();
}

}  // namespace pelorin::truetype::testing
