#pragma once

// The symbol page's lists: the characters of a subset, and the subset a
// selected character belongs to (the list follows the selection there).

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace tesvik::lookup {

// The characters of subset `index` of SymbolSubsetTable, in list order;
// empty for an index outside the table.
std::vector<std::uint32_t> symbolSubsetCharacters(std::size_t index);

// The subset the list shows for a selected value: the first row whose range
// holds its low 16 bits, or the row after it ("专用区") for a code of
// PrivateUseSymbolList; nullopt when no row holds it.
std::optional<std::size_t> symbolSubsetOf(std::uint32_t value);

}  // namespace tesvik::lookup
