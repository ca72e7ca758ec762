#include "tesvik/chars/PuaTables.h"

namespace tesvik::chars {

std::span<const PuaStandardPair> puaStandardMap() { return PuaStandardMap; }

std::span<const PuaRadicalPair> puaRadicalMap() { return PuaRadicalMap; }

std::span<const PuaStandardPair> registerStandardMap() { return RegisterStandardMap; }

std::optional<std::uint32_t> standardOfPua(std::uint32_t pua, std::span<const PuaStandardPair> map) {
    for (const PuaStandardPair& row : map) {
        if (row.pua == pua) return row.standard;
    }
    return std::nullopt;
}

std::optional<std::uint32_t> puaOfStandard(std::uint32_t standard, std::span<const PuaStandardPair> map) {
    for (const PuaStandardPair& row : map) {
        if (row.standard == standard) return row.pua;
    }
    return std::nullopt;
}

std::optional<std::uint32_t> radicalOfPua(std::uint32_t code, std::span<const PuaRadicalPair> map) {
    for (const PuaRadicalPair& row : map) {
        if (row.code == code) return row.radical;
    }
    return std::nullopt;
}

}  // namespace tesvik::chars
