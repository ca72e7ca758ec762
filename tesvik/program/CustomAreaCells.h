#pragma once

// The custom-area grid: the 48 private-use code points U+E650-U+E67F for
// custom characters, three rows of sixteen. Row r, column c holds
// U+E650 + 16 r + c. The grid is a column-major list (three items per
// column), so its item order runs E650, E660, E670, E651, ...

#include <cstdint>
#include <optional>
#include <vector>

namespace tesvik::program {

inline constexpr std::uint32_t kCustomAreaFirst = 0xE650;
inline constexpr int kCustomAreaRows = 3;
inline constexpr int kCustomAreaColumns = 16;
inline constexpr int kCustomAreaCells = kCustomAreaRows * kCustomAreaColumns;

struct CustomAreaCell {
    int row = 0;
    int column = 0;
    bool operator==(const CustomAreaCell&) const = default;
};

// The list position of a cell and back (index = column * 3 + row).
int customAreaIndexOf(CustomAreaCell cell);
CustomAreaCell customAreaCellAt(int index);

std::uint32_t customAreaCodePointAt(CustomAreaCell cell);
std::uint32_t customAreaCodePointAtIndex(int index);

// The 48 code points in list order.
std::vector<std::uint32_t> customAreaItems();

// The cell a code point sits in; none outside U+E650-U+E67F.
std::optional<CustomAreaCell> customAreaCellOf(std::uint32_t codePoint);

}  // namespace tesvik::program
