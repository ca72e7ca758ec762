#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <type_traits>

#include "pelorin/truetype/BigEndian.h"

namespace pelorin::truetype {

// One big-endian field of a table's layout: its type and its byte offset
// from the start of the table. Each table's header names its fields once.
template <class T>
struct Field {
    static_assert(std::is_same_v<T, uint16_t> || std::is_same_v<T, int16_t> || std::is_same_v<T, uint32_t>);
    size_t offset;

    // Offset just past the field: the least length of a table that holds it.
    constexpr size_t End() const { return offset + sizeof(T); }
};

// The field's value, or nothing when the table is too short for it.
template <class T>
std::optional<T> ReadField(std::span<const uint8_t> table, Field<T> field) {
    const ByteView view(table);
    if constexpr (std::is_same_v<T, uint16_t>)
        return view.U16(field.offset);
    else if constexpr (std::is_same_v<T, int16_t>)
        return view.I16(field.offset);
    else
        return view.U32(field.offset);
}

// Stores the value; false (nothing written) when the table is too short for the field.
template <class T>
bool WriteField(std::span<uint8_t> table, Field<T> field, std::type_identity_t<T> value) {
    if (table.size() < field.End()) return false;
    if constexpr (sizeof(T) == 2)
        PutU16(table, field.offset, static_cast<uint16_t>(value));
    else
        PutU32(table, field.offset, value);
    return true;
}

}  // namespace pelorin::truetype
