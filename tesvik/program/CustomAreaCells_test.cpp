#include "tesvik/program/CustomAreaCells.h"

#include <gtest/gtest.h>

namespace tesvik::program {
namespace {

TEST(CustomAreaCells, RowsRunLeftToRightFromE650E660E670) {
    for (int row = 0; row < kCustomAreaRows; ++row)
        for (int column = 0; column < kCustomAreaColumns; ++column)
            EXPECT_EQ(customAreaCodePointAt({row, column}), 0xE650u + 16u * row + column) << row << "," << column;
    EXPECT_EQ(customAreaCodePointAt({0, 15}), 0xE65Fu);
    EXPECT_EQ(customAreaCodePointAt({2, 15}), 0xE67Fu);
}

TEST(CustomAreaCells, ListIsFilledColumnByColumn) {
    const std::vector<std::uint32_t> items = customAreaItems();
    ASSERT_EQ(items.size(), 48u);
    const std::vector<std::uint32_t> head(items.begin(), items.begin() + 6);
    EXPECT_EQ(head, (std::vector<std::uint32_t>{0xE650, 0xE660, 0xE670, 0xE651, 0xE661, 0xE671}));
    EXPECT_EQ(items[45], 0xE65Fu);
    EXPECT_EQ(items[46], 0xE66Fu);
    EXPECT_EQ(items[47], 0xE67Fu);
    for (int index = 0; index < kCustomAreaCells; ++index) {
        EXPECT_EQ(customAreaIndexOf(customAreaCellAt(index)), index);
        EXPECT_EQ(customAreaCellOf(items[index]), customAreaCellAt(index)) << index;
    }
}

TEST(CustomAreaCells, CodePointsOutsideTheAreaHaveNoCell) {
    EXPECT_FALSE(customAreaCellOf(0xE64F));
    EXPECT_FALSE(customAreaCellOf(0xE680));
    EXPECT_FALSE(customAreaCellOf(0));
}

}  // namespace
}  // namespace tesvik::program
