#pragma once

#include "common/Result.h"
#include "pelorin/cli/CommandLine.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace pelorin::cli {

// A code of a --map that the library lacks, and why.
struct AbsentCode {
    std::uint16_t libraryCode = 0;
    std::uint32_t sourceCodePoint = 0;
    std::string reason;
};

struct PackSummary {
    std::size_t packed = 0;          // glyphs written to the library
    std::size_t missing = 0;         // codes without a character, without a glyph, or too big for the format
    std::vector<AbsentCode> absent;  // with --map: each missing code
};

// pfi-pack: a PFI library from the outlines of TrueType fonts, one glyph per
// code of the ranges (codes of code page 936 or 950 are looked up through
// their Unicode character) or per row of the code map. The first font that
// draws a character gives its glyph; a font that maps it to an empty glyph
// gives it only when no later font draws it. Outlines of fonts whose em
// differs from the first font's are scaled to it.
lumenar::Result<PackSummary, std::string> packLibrary(const PfiPackCommand& command);

}  // namespace pelorin::cli
