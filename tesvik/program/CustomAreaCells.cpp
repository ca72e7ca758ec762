#include "tesvik/program/CustomAreaCells.h"

namespace tesvik::program {

int customAreaIndexOf(CustomAreaCell cell) { return cell.column * kCustomAreaRows + cell.row; }

CustomAreaCell customAreaCellAt(int index) { return {index % kCustomAreaRows, index / kCustomAreaRows}; }

std::uint32_t customAreaCodePointAt(CustomAreaCell cell) {
    return kCustomAreaFirst + static_cast<std::uint32_t>(kCustomAreaColumns * cell.row + cell.column);
}

std::uint32_t customAreaCodePointAtIndex(int index) { return customAreaCodePointAt(customAreaCellAt(index)); }

std::vector<std::uint32_t> customAreaItems() {
    std::vector<std::uint32_t> items;
    items.reserve(kCustomAreaCells);
    for (int index = 0; index < kCustomAreaCells; ++index) items.push_back(customAreaCodePointAtIndex(index));
    return items;
}

std::optional<CustomAreaCell> customAreaCellOf(std::uint32_t codePoint) {
    if (codePoint < kCustomAreaFirst || codePoint >= kCustomAreaFirst + kCustomAreaCells) return std::nullopt;
    const int offset = static_cast<int>(codePoint - kCustomAreaFirst);
    return CustomAreaCell{offset / kCustomAreaColumns, offset % kCustomAreaColumns};
}

}  // namespace tesvik::program
