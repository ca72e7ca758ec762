#pragma once

#include "common/Result.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tesvik::program {

// Reading and updating settings text ("Tesvik.ini") by the private-profile
// rules of the Windows program, so that files written by either program read
// the same:
// - "[section]" lines start sections; "key=value" lines inside them are keys.
//   Lines starting with ';' and lines that are neither are ignored; a line
//   without '=' inside a section names a key with an empty value.
// - Section and key names compare without regard to (ASCII) case.
// - Only the first section of a name is read, and in it the first matching
//   key wins.
// - Spaces and tabs around names and values are trimmed, and one pair of
//   matching quotes (' or ") around a value is removed.
// - A UTF-8 byte-order mark at the start of the text is skipped.

// The value, or nothing when the key is absent.
std::optional<std::string> profileString(std::string_view text, std::string_view section, std::string_view key);

// The integer as the profile's integer reader makes it: leading blanks, an
// optional sign, decimal digits up to the first other character; arithmetic
// wraps to 32 bits. An absent key or an empty value gives `fallback`; a value
// without digits gives 0.
std::uint32_t profileInt(std::string_view text, std::string_view section, std::string_view key, std::uint32_t fallback);

struct ProfileEditError {
    std::string reason;
};

using ProfileAssignments = std::vector<std::pair<std::string, std::string>>;

// The text with each key set to its value in the section: the first matching
// key's line is replaced in place; a missing key is added after the section's
// last key; a missing section is added at the end. Every other byte stays as
// it was, and new lines follow the text's line ends (CR LF or LF). Fails for
// a name or value that cannot be stored on one line.
lumenar::Result<std::string, ProfileEditError> withProfileStrings(std::string_view text, std::string_view section,
                                                                  const ProfileAssignments& assignments);

// `text` cut to at most `maxCharacters` UTF-8 characters, never inside one.
std::string truncateCharacters(std::string_view text, std::size_t maxCharacters);

}  // namespace tesvik::program
