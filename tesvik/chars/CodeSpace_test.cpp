#include "tesvik/chars/CodeSpace.h"

#include <gtest/gtest.h>

namespace tesvik::chars {
namespace {

TEST(CodeSpaceColour, ClassOfEachValue) {
    struct Case {
        std::uint32_t value;
        const char* colour;
    };
    const Case cases[] = {
        {0x4E00, "GBKColor"},
        {0x9FBB, "GBKColor"},
        {0x9FBC, "black"},
        {0x4DFF, "black"},
        {0x3400, "CJKZACOLOR"},
        {0x4DB5, "CJKZACOLOR"},
        {0x4DB6, "black"},
        {0x33FF, "black"},
        {0xDFFF, "black"},
        {0xE000, "GBKEUDCColor"},
        {0xE864, "GBKEUDCColor"},
        {0xE865, "GB13000EUDCColor"},
        {0xF8FF, "GB13000EUDCColor"},
        {0xF900, "black"},
        {0xF92C, "black"},
        {0x0041, "black"},
        {0x2E80, "black"},
        {0x0000, "black"},
        {0xD840DC00, "CJKKZBCOLOR"},  // every packed pair
        {0xD86EDC20, "CJKKZBCOLOR"},
        {0x2A6D6, "CJKKZBCOLOR"},
        {0x2B740, "CJKKZBCOLOR"},
        {0x2CEB0, "CJKKZBCOLOR"},     // Extensions C to H draw like B to E
        {0xD888DFAF, "CJKKZBCOLOR"},  // U+323AF, the last of Extension H
        // Extension B scalars on the radical and stroke-order pages take the
        // colour of their packed pairs.
        {0x20000, "CJKKZBCOLOR"},
        {0x2A6D5, "CJKKZBCOLOR"},
        {0x1FFFF, "black"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(codeSpaceColourName(codeSpaceColourOf(c.value)), c.colour) << std::hex << c.value;
    }
}

TEST(BlockName, NamesOnOrdinaryAndRadicalPages) {
    using P = BlockNamePage;
    using M = MessageId;
    struct Case {
        std::uint32_t value;
        P page;
        std::optional<M> name;
    };
    const Case cases[] = {
        {0x9FBB, P::Other, M::BlockCjkUnified},
        {0x4E00, P::RadicalLookup, M::BlockCjkUnified},
        {0x9FBC, P::Other, std::nullopt},
        {0x3400, P::Other, M::BlockCjkExtensionA},
        {0x4DB6, P::Other, std::nullopt},
        {0x20000, P::Other, M::BlockCjkExtensionB},
        {0xD840DC00, P::Other, M::BlockCjkExtensionB},  // packed pair named by its scalar
        {0x2A6D6, P::Other, M::BlockCjkExtensionB},
        {0x2A6D7, P::Other, std::nullopt},
        {0x2A6FF, P::Other, std::nullopt},
        {0x2A700, P::Other, M::BlockCjkExtensionC},
        {0x2B73F, P::Other, M::BlockCjkExtensionC},
        {0x2B740, P::Other, M::BlockCjkExtensionD},
        {0xD86DDF40, P::Other, M::BlockCjkExtensionD},  // U+2B740 packed
        {0x2B820, P::Other, M::BlockCjkExtensionE},
        {0x2CEAF, P::Other, M::BlockCjkExtensionE},
        {0x2CEB0, P::Other, M::BlockCjkExtensionF},
        {0xD873DEB0, P::Other, M::BlockCjkExtensionF},  // U+2CEB0 packed
        {0x2EBEF, P::Other, M::BlockCjkExtensionF},
        {0x2EBF0, P::Other, std::nullopt},
        {0x2F7FF, P::Other, std::nullopt},
        {0x2F800, P::Other, M::BlockCjkCompatibilitySupplement},
        {0x2FA1F, P::RadicalLookup, M::BlockCjkCompatibilitySupplement},
        {0x2FA20, P::Other, std::nullopt},
        {0x30000, P::Other, M::BlockCjkExtensionG},
        {0x3134F, P::Other, M::BlockCjkExtensionG},
        {0x31350, P::Other, M::BlockCjkExtensionH},
        {0xD888DFAF, P::Other, M::BlockCjkExtensionH},  // U+323AF packed
        {0x323B0, P::Other, std::nullopt},
        {0x110000, P::Other, std::nullopt},
        {0xE000, P::Other, M::BlockPrivateUse},
        {0xF8FF, P::Other, M::BlockPrivateUse},
        {0xF92C, P::Other, M::BlockCjkCompatibility},
        {0xFA29, P::RadicalDirectory, M::BlockCjkCompatibility},
        {0xFA29, P::RadicalLookup, M::BlockCjkCompatibilityOnRadicalLookup},
        {0xFA2A, P::Other, std::nullopt},
        // Radical blocks are named on the radical pages only.
        {0x2E80, P::Other, std::nullopt},
        {0x2E00, P::RadicalDirectory, M::BlockCjkRadicalsSupplement},
        {0x2ED3, P::RadicalLookup, M::BlockCjkRadicalsSupplement},
        {0x2F00, P::RadicalDirectory, M::BlockKangxiRadicals},
        {0x2FDF, P::RadicalLookup, M::BlockKangxiRadicals},
        {0x2FE0, P::RadicalLookup, std::nullopt},
        {0x0041, P::Other, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(blockNameOf(c.value, c.page), c.name) << std::hex << c.value;
    }
}

TEST(BlockName, TextsAsShown) {
    EXPECT_EQ(messageText(*blockNameOf(0x4E00)), "CJK统一汉字区");
    EXPECT_EQ(messageText(*blockNameOf(0xF92C, BlockNamePage::RadicalLookup)), "CJK兼容汉字区");
    EXPECT_EQ(messageText(*blockNameOf(0xE000)), "CJK补字区");
    EXPECT_EQ(messageText(*blockNameOf(0x31350)), "CJK统一汉字扩展H区");
    EXPECT_EQ(messageText(*blockNameOf(0x2F800)), "CJK兼容汉字补充区");
}

}  // namespace
}  // namespace tesvik::chars
