#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "common/Result.h"
#include "pelorin/pfi/PfiError.h"

namespace pelorin {

// A point of a TrueType outline, in the source font's units.
struct SourcePoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
    bool onCurve = true;
    friend bool operator==(const SourcePoint&, const SourcePoint&) = default;
};

using SourceContour = std::vector<SourcePoint>;

// One glyph to store in a library.
struct SourceGlyph {
    std::uint16_t code = 0;    // lead byte high; a UCS-2 code point for code page 0
    std::int32_t advance = 0;  // source font units; 0 is stored as 0, which reads back as the em size
    std::vector<SourceContour> contours;
};

struct PfiLibraryLayout {
    std::uint16_t codePage = 936;  // 936 or 950 (tagged); 0 leaves the tag to the reader's system
    std::uint16_t emSize = 1000;   // the library's em, 1..16383
    std::uint16_t fontEm = 1000;   // units of the source points
};

struct SkippedGlyph {
    std::uint16_t code = 0;
    std::string reason;
};

struct PackedLibrary {
    std::vector<std::uint8_t> bytes;
    std::vector<SkippedGlyph> skipped;  // glyphs the format cannot hold, left out
};

// Builds a PFI library from TrueType outlines, index in the given order.
// Coordinates are mapped to library units so that converting the library
// back to a font of `fontEm` gives the source points again (exactly when
// the library em is at least the font em). An on->on pair becomes a line;
// on->off->on a curve of the four points start, off, end, end, which the
// conversion turns back into that quadratic; implied on-points between two
// off-points are made explicit (rounded down), and each contour starts at
// its first on-point. BadArgument for an unknown code page, an em size
// outside 1..16383, a font em of 0, more than 65535 glyphs or a code given
// twice.
lumenar::Result<PackedLibrary, PfiError> PackPfiLibrary(const PfiLibraryLayout& layout,
                                                        std::span<const SourceGlyph> glyphs);

// Writes library bytes to `path` through a temporary file beside it that is
// renamed into place once complete, so a failure never leaves a partial
// library under that name.
lumenar::Status<PfiError> WritePfiFile(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);

}  // namespace pelorin
