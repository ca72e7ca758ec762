#pragma once

#include "common/Result.h"
#include "pelorin/cli/CommandLine.h"

#include <cstddef>
#include <string>

namespace pelorin::cli {

struct PackSummary {
    std::size_t packed = 0;   // glyphs written to the library
    std::size_t missing = 0;  // codes without a character, without a glyph, or too big for the format
};

// pfi-pack: a PFI library from the outlines of a TrueType font, one glyph
// per code of the ranges that the font maps (codes of code page 936 or 950
// are looked up through their Unicode character).
lumenar::Result<PackSummary, std::string> packLibrary(const PfiPackCommand& command);

}  // namespace pelorin::cli
