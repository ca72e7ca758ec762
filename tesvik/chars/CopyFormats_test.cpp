#include "tesvik/chars/CopyFormats.h"

#include <gtest/gtest.h>

namespace tesvik::chars {
namespace {

TEST(CopyFormats, CodeNotationsOfAValue) {
    struct Case {
        std::uint32_t value;
        const char* codePoint;
        const char* html;
        const char* gb18030;
    };
    const Case cases[] = {
        {0x0041, "U+0041", "&#x0041;", "41"},
        {0x4E00, "U+4E00", "&#x4E00;", "D2 BB"},
        {0xE000, "U+E000", "&#xE000;", "AA A1"},
        {0x3400, "U+3400", "&#x3400;", "81 39 EE 39"},
        {0x20000, "U+20000", "&#x20000;", "95 32 82 36"},     // scalar, as the stroke grid holds it
        {0xD840DC00, "U+20000", "&#x20000;", "95 32 82 36"},  // the same character packed
        {0x10FFFF, "U+10FFFF", "&#x10FFFF;", "E3 32 9A 35"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.codePoint);
        EXPECT_EQ(codePointNotation(c.value), c.codePoint);
        EXPECT_EQ(htmlReference(c.value), c.html);
        EXPECT_EQ(gb18030ByteText(c.value), c.gb18030);
    }
}

TEST(CopyFormats, LoneSurrogateHasNoGb18030Bytes) { EXPECT_EQ(gb18030ByteText(0xD800), ""); }

TEST(CopyFormats, StandardTwinOfRegisterCharactersOnly) {
    EXPECT_EQ(standardTwinOf(0xE000), 0x3405u);
    EXPECT_EQ(standardTwinOf(0xE05C), 0xD861DECDu);  // U+286CD, packed
    EXPECT_EQ(standardTwinOf(0xE650), 0xD86ADDD4u);  // U+2A9D4 of Extension C, packed
    EXPECT_EQ(standardTwinOf(0x4E00), std::nullopt);
    EXPECT_EQ(standardTwinOf(0xD840DC00), std::nullopt);
}

}  // namespace
}  // namespace tesvik::chars
