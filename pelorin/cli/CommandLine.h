#pragma once

#include "common/Result.h"
#include "pelorin/pfi/PelorinLanguage.h"

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace pelorin::cli {

// A run of library codes, first to last inclusive.
struct CodeRange {
    std::uint16_t first = 0;
    std::uint16_t last = 0;
    bool operator==(const CodeRange&) const = default;
};

struct StartupCommand {};
struct HelpCommand {};     // --help, -h
struct VersionCommand {};  // --version
struct PfiInfoCommand {
    std::string library;
};
struct MakeEudcCommand {
    std::string library;
    std::string output;
    std::optional<std::uint16_t> codePage;
    std::optional<std::uint16_t> languageId;
    std::optional<std::string> baseFace;
    bool smooth = false;
};
struct ImportCommand {
    std::string face;
    std::string library;
    std::optional<std::string> eudcOut;
    std::optional<std::string> fontOut;
    int mode = 0;
    std::optional<int> precedence;
    bool smooth = false;
    std::optional<std::uint16_t> codePage;
};
struct ListCommand {
    bool allFaces = false;  // --all: every installed face covering CJK ideographs
};
struct ManagerCommand {};  // the font manager window
struct LinkCommand {
    std::string face;
    std::string eudc;
    std::optional<std::uint16_t> codePage;
};
struct UnlinkCommand {
    std::string face;
    std::optional<std::uint16_t> codePage;
};
struct BackupCommand {
    std::string face;
    std::string output;
};
// The glyphs of --codes come from the Unicode character of each code; those
// of --map from the code point the map gives each library code. With several
// fonts the first that draws a character gives its glyph.
struct PfiPackCommand {
    std::vector<std::string> fonts;
    std::vector<CodeRange> codes;    // --codes
    std::optional<std::string> map;  // --map FILE instead of --codes
    std::string output;
    std::uint16_t codePage = 0;
    std::uint16_t em = 1000;
    std::uint32_t faceIndex = 0;
};

using Command =
    std::variant<StartupCommand, HelpCommand, VersionCommand, PfiInfoCommand, MakeEudcCommand, ImportCommand,
                 ListCommand, LinkCommand, UnlinkCommand, BackupCommand, PfiPackCommand, ManagerCommand>;

struct UsageError {
    std::string reason;
};

// Reads the arguments after the program name into a command.
lumenar::Result<Command, UsageError> parseCommandLine(const std::vector<std::string>& args);

// "4E00-4FFF,E000" into ranges; hexadecimal codes, "0x" allowed.
lumenar::Result<std::vector<CodeRange>, UsageError> parseCodeRanges(const std::string& text);

// The usage text shown with a usage error (command and option names read the
// same in every language).
extern const Texts kUsage;

// What --help prints: what the program does, the usage and the exit statuses.
extern const Texts kHelp;

}  // namespace pelorin::cli
