#include "tesvik/lookup/pinyin/PinyinCurrentChar.h"

#include "tesvik/chars/BuiltInTables.h"
#include "tesvik/chars/PuaTables.h"
#include "tesvik/lookup/pinyin/PinyinSearch.h"

#include <optional>

namespace tesvik::lookup {

namespace {

bool inPuaSetRange(chars::PackedChar v) { return v >= 0xE000 && v <= 0xF5B0; }
bool isCompatIdeograph(chars::PackedChar v) { return v >= 0xF92C && v <= 0xFA29; }

// The code point whose record holds v's readings, or nullopt.
std::optional<std::uint32_t> readingsSource(chars::PackedChar v) {
    if (inPuaSetRange(v)) return chars::standardOfPua(v);
    if (isCompatIdeograph(v)) return chars::unifiedTwinOfCompat(v);
    return chars::codePointOf(v);
}

}  // namespace

std::vector<std::string> pinyinReadingsOf(chars::PackedChar v, PinyinByCodeFile& file, std::string_view queryText) {
    const auto source = readingsSource(v);
    if (!source) return {std::string()};
    const auto record = file.read(*source);
    if (!record) return {std::string()};
    if (record->hasReadings) return record->readings;
    if (queryText == kSpecialQueryText) return {};
    return {std::string(queryText)};
}

chars::PackedChar pinyinRadicalOf(chars::PackedChar v, PinyinByCodeFile& file) {
    if (v >= 0xE000 && v <= 0xFA29) return chars::radicalOfPua(v).value_or(0);
    const auto record = file.read(chars::codePointOf(v));
    return record ? record->radical : 0;
}

}  // namespace tesvik::lookup
