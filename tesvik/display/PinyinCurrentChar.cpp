#include "tesvik/display/PinyinCurrentChar.h"

#include "tesvik/display/BuiltInTables.h"
#include "tesvik/display/PinyinSearch.h"
#include "tesvik/display/PuaTables.h"

#include <optional>

namespace tesvik {

namespace {

bool inPuaSetRange(PackedChar v) { return v >= 0xE000 && v <= 0xF5B0; }
bool isCompatIdeograph(PackedChar v) { return v >= 0xF92C && v <= 0xFA29; }

// The code point whose record holds v's readings, or nullopt.
std::optional<std::uint32_t> readingsSource(PackedChar v) {
    if (inPuaSetRange(v)) return standardOfPua(v);
    if (isCompatIdeograph(v)) return unifiedTwinOfCompat(v);
    return codePointOf(v);
}

}  // namespace

std::vector<std::string> pinyinReadingsOf(PackedChar v, PinyinByCodeFile& file, std::string_view queryText) {
    const auto source = readingsSource(v);
    if (!source) return {std::string()};
    const auto record = file.read(*source);
    if (!record) return {std::string()};
    if (record->hasReadings) return record->readings;
    if (queryText == SpecialQueryText) return {};
    return {std::string(queryText)};
}

PackedChar pinyinRadicalOf(PackedChar v, PinyinByCodeFile& file) {
    if (v >= 0xE000 && v <= 0xFA29) return radicalOfPua(v).value_or(0);
    const auto record = file.read(codePointOf(v));
    return record ? record->radical : 0;
}

}  // namespace tesvik
