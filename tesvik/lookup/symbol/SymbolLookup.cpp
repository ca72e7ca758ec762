#include "tesvik/lookup/symbol/SymbolLookup.h"

#include "tesvik/chars/BuiltInTables.h"
#include "tesvik/chars/PuaTables.h"
#include "tesvik/lookup/symbol/SymbolSubsetTable.h"
#include "tesvik/lookup/symbol/generated/SymbolCodeList.h"

namespace tesvik::lookup {

namespace {

constexpr std::uint32_t kSkippedRadical = 0x2E9A;  // unassigned in the radicals supplement

bool listsEveryCodePoint(std::uint32_t first) {
    switch (first) {
        case 0x00A0:
        case 0x2E80:
        case 0x2F00:
        case 0x3400:
        case 0x4DC0:
        case 0x4E00:
            return true;
        default:
            return false;
    }
}

std::vector<std::uint32_t> everyCodePoint(const SymbolSubset& subset) {
    std::vector<std::uint32_t> codes;
    for (std::uint32_t c = subset.first; c <= subset.last; ++c) {
        if (c != kSkippedRadical) codes.push_back(c);
    }
    return codes;
}

std::vector<std::uint32_t> symbolsInRange(const SymbolSubset& subset) {
    std::vector<std::uint32_t> codes;
    for (const std::uint16_t c : SymbolCodeList) {
        if (c >= subset.first && c <= subset.last) codes.push_back(c);
    }
    return codes;
}

}  // namespace

std::vector<std::uint32_t> symbolSubsetCharacters(std::size_t index) {
    if (index >= SymbolSubsetTable.size()) return {};
    const SymbolSubset& subset = SymbolSubsetTable[index];
    if (listsEveryCodePoint(subset.first)) return everyCodePoint(subset);
    std::vector<std::uint32_t> codes;
    switch (subset.first) {
        case 0xE000:
            for (const chars::PuaRadicalPair& row : chars::puaRadicalMap()) codes.push_back(row.code);
            return codes;
        case 0xE76C:
            return {chars::PrivateUseSymbolList.begin(), chars::PrivateUseSymbolList.end()};
        case 0xF92C:
            for (const chars::CodePair& row : chars::CompatRadicalMap) codes.push_back(row.from);
            return codes;
        default:
            return symbolsInRange(subset);
    }
}

std::optional<std::size_t> symbolSubsetOf(std::uint32_t value) {
    const std::uint32_t c = value & 0xFFFF;
    for (std::size_t row = 0; row < SymbolSubsetTable.size(); ++row) {
        const SymbolSubset& subset = SymbolSubsetTable[row];
        if (c < subset.first || c > subset.last) continue;
        if (c >= 0xE76C && c <= 0xF88F && chars::isPrivateUseSymbol(c) && row + 1 < SymbolSubsetTable.size())
            return row + 1;
        return row;
    }
    return std::nullopt;
}

}  // namespace tesvik::lookup
