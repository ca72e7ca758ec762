#pragma once
// The texts the grid's "复制" menu puts on the clipboard besides the
// character itself: its code in the notations people paste into documents,
// web pages and bug reports.
#include <cstdint>
#include <optional>
#include <string>

namespace tesvik::chars {

// "U+4E00", "U+20000": at least four upper-case hexadecimal digits. A packed
// pair is written as its scalar.
std::string codePointNotation(std::uint32_t value);

// "&#x4E00;", "&#x20000;".
std::string htmlReference(std::uint32_t value);

// The GB18030 bytes, two upper-case digits each, separated by blanks:
// "D2 BB", "95 32 82 36". Empty for a value that names no character.
std::string gb18030ByteText(std::uint32_t value);

// The standard character a population-register character stands for, as a
// packed value; none for every other character.
std::optional<std::uint32_t> standardTwinOf(std::uint32_t value);

}  // namespace tesvik::chars
