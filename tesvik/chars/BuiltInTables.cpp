#include "tesvik/chars/BuiltInTables.h"

#include <algorithm>

namespace tesvik::chars {
namespace {

template <std::size_t N>
std::optional<std::uint32_t> findTo(const std::array<CodePair, N>& table, std::uint32_t from) {
    for (const CodePair& row : table) {
        if (row.from == from) return row.to;
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::uint32_t> compatRadicalOf(std::uint32_t compat) { return findTo(CompatRadicalMap, compat); }

std::optional<std::uint32_t> unifiedTwinOfCompat(std::uint32_t compat) { return findTo(CompatUnifiedMap, compat); }

std::optional<std::uint32_t> compatTwinOfUnified(std::uint32_t unified) {
    for (const CodePair& row : CompatUnifiedMap) {
        if (row.to == unified) return row.from;
    }
    return std::nullopt;
}

std::optional<std::uint32_t> unifiedFormOfRadical(std::uint32_t radical) {
    for (const CodePair& row : RadicalUnifiedMap) {
        if (row.from < radical) continue;
        if (row.from == radical) return row.to;
        break;
    }
    return std::nullopt;
}

std::optional<std::string_view> radicalKeyAlias(std::string_view key) {
    for (const RadicalKeyAlias& row : kRadicalKeyAliasTable) {
        if (row.key < key) continue;
        if (row.key == key) return row.filedUnder;
        break;
    }
    return std::nullopt;
}

std::string_view filedRadicalKey(std::string_view key) { return radicalKeyAlias(key).value_or(key); }

bool isPrivateUseSymbol(std::uint32_t code) {
    return std::find(PrivateUseSymbolList.begin(), PrivateUseSymbolList.end(), code) != PrivateUseSymbolList.end();
}

}  // namespace tesvik::chars
