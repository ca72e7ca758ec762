#include "tesvik/chars/CodeSpace.h"

#include "tesvik/chars/CodeValue.h"

namespace tesvik::chars {

CodeSpaceColour codeSpaceColourOf(std::uint32_t v) {
    if (v >= 0x4E00 && v <= 0x9FBB) return CodeSpaceColour::GBKColor;
    if (v >= 0x3400 && v <= 0x4DB5) return CodeSpaceColour::CJKZACOLOR;
    if (v >= 0x20000) return CodeSpaceColour::CJKKZBCOLOR;
    if (v >= 0xE000 && v <= 0xE864) return CodeSpaceColour::GBKEUDCColor;
    if (v >= 0xE865 && v <= 0xF8FF) return CodeSpaceColour::GB13000EUDCColor;
    return CodeSpaceColour::Black;
}

std::string_view codeSpaceColourName(CodeSpaceColour colour) {
    switch (colour) {
        case CodeSpaceColour::GBKColor:
            return "GBKColor";
        case CodeSpaceColour::GBKEUDCColor:
            return "GBKEUDCColor";
        case CodeSpaceColour::GB13000EUDCColor:
            return "GB13000EUDCColor";
        case CodeSpaceColour::CJKZACOLOR:
            return "CJKZACOLOR";
        case CodeSpaceColour::CJKKZBCOLOR:
            return "CJKKZBCOLOR";
        case CodeSpaceColour::Black:
            return "black";
    }
    return "black";
}

std::optional<MessageId> blockNameOf(std::uint32_t value, BlockNamePage page) {
    const std::uint32_t c = displayedScalarOf(value);
    const bool radicalPage = page != BlockNamePage::Other;
    if (radicalPage && c >= 0x2E00 && c <= 0x2EFF) return MessageId::BlockCjkRadicalsSupplement;
    if (radicalPage && c >= 0x2F00 && c <= 0x2FDF) return MessageId::BlockKangxiRadicals;
    if (c >= 0x3400 && c <= 0x4DB5) return MessageId::BlockCjkExtensionA;
    if (c >= 0x4E00 && c <= 0x9FBB) return MessageId::BlockCjkUnified;
    if (c >= 0xF92C && c <= 0xFA29) {
        return page == BlockNamePage::RadicalLookup ? MessageId::BlockCjkCompatibilityOnRadicalLookup
                                                    : MessageId::BlockCjkCompatibility;
    }
    if (c >= 0x20000 && c <= 0x2A6D6) return MessageId::BlockCjkExtensionB;
    if (c >= 0x2A700 && c <= 0x2B73F) return MessageId::BlockCjkExtensionC;
    if (c >= 0x2B740 && c <= 0x2B81F) return MessageId::BlockCjkExtensionD;
    if (c >= 0x2B820 && c <= 0x2CEAF) return MessageId::BlockCjkExtensionE;
    if (c >= 0x2CEB0 && c <= 0x2EBEF) return MessageId::BlockCjkExtensionF;
    if (c >= 0x2F800 && c <= 0x2FA1F) return MessageId::BlockCjkCompatibilitySupplement;
    if (c >= 0x30000 && c <= 0x3134F) return MessageId::BlockCjkExtensionG;
    if (c >= 0x31350 && c <= 0x323AF) return MessageId::BlockCjkExtensionH;
    if (c >= 0xE000 && c <= 0xF8FF) return MessageId::BlockPrivateUse;
    return std::nullopt;
}

}  // namespace tesvik::chars
