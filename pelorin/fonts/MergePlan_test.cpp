#include "pelorin/fonts/MergePlan.h"

#include <gtest/gtest.h>

namespace pelorin::fonts {
namespace {

TEST(MergePlan, WalksBothListsByCode) {
    const std::vector<truetype::CodeGlyph> font = {{0x41, 3}, {0x4E00, 10}, {0x4E02, 11}};
    const std::vector<std::uint32_t> library = {0x20, 0x4E00, 0x4E01, 0x9FA5};

    const MergePlan fontFirst = planMerge(font, library, 12, false);
    EXPECT_EQ(fontFirst.codes, (std::vector<MergedCode>{{0x20, 12, true},
                                                        {0x41, 3, false},
                                                        {0x4E00, 10, false},
                                                        {0x4E01, 13, true},
                                                        {0x4E02, 11, false},
                                                        {0x9FA5, 14, true}}));
    EXPECT_EQ(fontFirst.glyphCount, 15u);

    const MergePlan libraryFirst = planMerge(font, library, 12, true);
    EXPECT_TRUE(libraryFirst.codes[2].fromLibrary);
    EXPECT_EQ(libraryFirst.codes[2].glyph, 10);
    const auto byGlyph = libraryCodeByGlyph(libraryFirst);
    EXPECT_EQ(byGlyph[10], 0x4E00u);
    EXPECT_EQ(byGlyph[11], 0u);
    EXPECT_EQ(byGlyph[14], 0x9FA5u);
}

}  // namespace
}  // namespace pelorin::fonts
