#pragma once

#include <cstdint>

#include "pelorin/truetype/HeadTable.h"
#include "pelorin/truetype/HheaTable.h"
#include "pelorin/truetype/MaxpTable.h"
#include "pelorin/truetype/Os2Table.h"
#include "pelorin/truetype/TableField.h"
#include "pelorin/truetype/TableTag.h"
#include "pelorin/truetype/VheaTable.h"

namespace pelorin::truetype {

// The header fields a font is asked for, read from its tables. Font is the
// class deriving from this one and hands out a table's bytes with
// `std::span<const uint8_t> Table(TableTag) const`. A field of an absent
// table, or one the table is too short for, reads as 0.
template <class Font>
class FontFields {
public:
    uint16_t UnitsPerEm() const { return Get(tags::kHead, HeadTable::unitsPerEm); }
    bool HasLongLoca() const { return HeadTable::HasLongLoca(AsFont().Table(tags::kHead)); }
    int16_t Ascender() const { return Get(tags::kHhea, HheaTable::ascender); }
    uint16_t NumberOfHMetrics() const { return Get(tags::kHhea, HheaTable::numberOfHMetrics); }
    uint16_t NumOfLongVerMetrics() const { return Get(tags::kVhea, VheaTable::numOfLongVerMetrics); }
    uint16_t NumGlyphs() const { return Get(tags::kMaxp, MaxpTable::numGlyphs); }
    uint16_t MaxPoints() const { return Get(tags::kMaxp, MaxpTable::maxPoints); }
    uint16_t MaxContours() const { return Get(tags::kMaxp, MaxpTable::maxContours); }
    uint16_t WinAscent() const { return Get(tags::kOS2, Os2Table::usWinAscent); }

private:
    const Font& AsFont() const { return static_cast<const Font&>(*this); }
    template <class T>
    T Get(TableTag tag, Field<T> field) const {
        return ReadField(AsFont().Table(tag), field).value_or(0);
    }
};

}  // namespace pelorin::truetype
