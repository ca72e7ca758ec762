#include "pelorin/fonts/BaseWinAscent.h"

#include "common/testing/ScratchDirectory.h"
#include "pelorin/pfi/LibraryBytes_testing.h"
#include "pelorin/truetype/BigEndian.h"
#include "pelorin/truetype/Os2Table.h"
#include "pelorin/truetype/TestFonts_testing.h"

#include <gtest/gtest.h>

namespace pelorin::fonts {
namespace {

namespace tt = pelorin::truetype;

// A small face whose OS/2 table gives this usWinAscent.
std::vector<std::uint8_t> faceWithWinAscent(std::uint16_t winAscent) {
    tt::testing::TinyFontRecipe recipe;
    recipe.glyphs = {tt::testing::SquareGlyph(0, 0, 100)};
    std::vector<std::uint8_t> bytes = tt::testing::BuildTinyFont(recipe);
    const auto os2 = tt::testing::FindRecord(bytes, tt::tags::kOS2);
    tt::PutU16(bytes, os2.offset + tt::Os2Table::usWinAscent.offset, winAscent);
    return bytes;
}

TEST(BaseWinAscent, TheFacesOwnOrTheEudcFontsDefault) {
    lumenar::testing::ScratchDirectory dir;
    pelorin::testing::WriteFile(dir / "tall.ttf", faceWithWinAscent(1802));
    pelorin::testing::WriteFile(dir / "zero.ttf", faceWithWinAscent(0));
    pelorin::testing::WriteFile(dir / "broken.ttf", {1, 2, 3});
    const struct {
        const char* file;
        int faceIndex;
        std::uint16_t winAscent;
    } kCases[] = {{"tall.ttf", 0, 1802},
                  {"zero.ttf", 0, kDefaultEudcWinAscent},
                  {"broken.ttf", 0, kDefaultEudcWinAscent},
                  {"none.ttf", 0, kDefaultEudcWinAscent},
                  {"tall.ttf", 1, kDefaultEudcWinAscent}};
    for (const auto& c : kCases)
        EXPECT_EQ(winAscentOf((dir / c.file).string(), c.faceIndex), c.winAscent) << c.file << " " << c.faceIndex;
}

}  // namespace
}  // namespace pelorin::fonts
