#pragma once

// The subsets of the symbol page, in list order: the name shown, the first
// and last code point. The first code point also says where a subset's
// characters come from (symbolSubsetCharacters).

#include <array>
#include <cstdint>
#include <string_view>

namespace tesvik::lookup {

struct SymbolSubset {
    std::string_view name;
    std::uint32_t first;
    std::uint32_t last;
};

extern const std::array<SymbolSubset, 38> SymbolSubsetTable;

}  // namespace tesvik::lookup
