#pragma once

#include "common/Result.h"
#include "platform/RegistryTree.h"

#include <string>
#include <string_view>

namespace platform {

// The text form of a registry store file. UTF-8, one item a line:
//
//   ; comment (lines starting with ';' or '#', and blank lines, are ignored)
//   [HKEY_CURRENT_USER\Software\Example]
//   sz Name=text
//   dword Other=42
//
// A "[key]" line starts a key; the value lines below it belong to it. A
// value line is its type ("sz" or "dword"), one space, the value name, '='
// and the data; a dword is decimal (0 to 4294967295). In key paths, value
// names and text, '%', control characters (below 0x20, and 0x7F) and, in
// value names, '=' are written as %XX (two hexadecimal digits), so every
// byte string survives a round trip. Line ends may be LF or CR LF.
// A key that appears twice is merged; a value that appears twice keeps the
// later one.

struct RegistryParseError {
    int line = 0;  // 1-based; 0 when the error is not tied to a line
    std::string reason;
};

std::string formatRegistryFile(const RegistryTree& tree);
lumenar::Result<RegistryTree, RegistryParseError> parseRegistryFile(std::string_view text);

}  // namespace platform
