#pragma once

#include "tesvik/chars/PackedChar.h"
#include "tesvik/messages/Messages.h"

#include <cstdint>
#include <filesystem>
#include <string_view>
#include <vector>

namespace tesvik::program {

// The surrogate-pair list shipped in the data directory: one record a line,
// the high and the low surrogate of a CJK Extension B character as four
// hexadecimal digits each, lines ended by CR LF (the last one may lack it).
inline constexpr const char* kSurrogateListFile = "FontUnicodeOfSurrogate.cdt";

// The range every entry must lie in: the pairs of U+20000 to U+2A6D6.
inline constexpr chars::PackedChar kFirstListedPair = 0xD840DC00u;
inline constexpr chars::PackedChar kLastListedPair = 0xD869DED6u;

struct SurrogateListLoad {
    std::vector<chars::PackedChar> table;  // the entries up to the first fault
    std::vector<Message> warnings;         // at most one: the list is missing or damaged
};

struct SurrogateListCount {
    std::size_t records = 0;
    std::vector<Message> warnings;
};

// The record count a file of these bytes holds, by its length and line end.
std::size_t surrogateRecordCount(std::string_view bytes);

// One four-character group of a record, its letters already lower case:
// "null" gives 0xFFFF; otherwise hexadecimal digits are taken from the left
// up to the first other character, and every position from there on counts
// with its character code (so a value may exceed 16 bits).
std::uint32_t parseSurrogateGroup(std::string_view group);

// Validates the list's bytes record by record; stops with the warning at the
// first fault.
SurrogateListLoad parseSurrogateList(std::string_view bytes);

// The same for the file; a file that cannot be read gives the warning.
SurrogateListLoad loadSurrogateList(const std::filesystem::path& file);

// The lookup pages' check: the file opens, and its record count.
SurrogateListCount countSurrogateList(const std::filesystem::path& file);

}  // namespace tesvik::program
