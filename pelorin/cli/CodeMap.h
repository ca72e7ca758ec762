#pragma once

#include "common/Result.h"

#include <cstdint>
#include <string>
#include <vector>

namespace pelorin::cli {

// One row of a code map: the library code that carries the glyph of a
// source font's code point.
struct CodeMapping {
    std::uint16_t libraryCode = 0;
    std::uint32_t sourceCodePoint = 0;
    bool operator==(const CodeMapping&) const = default;
};

// A table of library code <- source code point, one pair a line, as the
// first two columns of data/pua-set.tsv give it: hexadecimal values
// separated by tabs or spaces, further columns ignored, empty lines and
// lines starting with '#' skipped. Rows keep the file's order. A line that
// does not start with two hexadecimal values, a library code above FFFF, a
// code point above 10FFFF or a library code given twice is an error naming
// its line.
lumenar::Result<std::vector<CodeMapping>, std::string> parseCodeMap(const std::string& text);

// parseCodeMap of a file's text; errors name the file.
lumenar::Result<std::vector<CodeMapping>, std::string> readCodeMap(const std::string& path);

}  // namespace pelorin::cli
