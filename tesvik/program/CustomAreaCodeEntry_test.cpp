#include "tesvik/program/CustomAreaCodeEntry.h"

#include <gtest/gtest.h>

namespace tesvik::program {
namespace {

TEST(CustomAreaCodeEntry, ReadsHexadecimalValuesUpToFFFFF) {
    struct Case {
        const char* text;
        std::optional<std::uint32_t> value;
    };
    const Case cases[] = {
        {"", 0},
        {"41", 0x41},
        {"4e00", 0x4E00},
        {"4E00", 0x4E00},
        {"E650", 0xE650},
        {"20000", 0x20000},
        {"FFFFF", 0xFFFFF},
        {"0", 0},
        {"4g", 0x4},  // reading stops at the first non-digit
        {"g", std::nullopt},
        {" 41", std::nullopt},
        {"-1", std::nullopt},
        {"x41", std::nullopt},
        {"100000", std::nullopt},  // six characters
        {"FFFFF0", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(readCodeEntry(c.text), c.value) << '"' << c.text << '"';
}

TEST(CustomAreaCodeEntry, SupplementaryValuesPreviewAsSurrogatePairs) {
    struct Case {
        std::uint32_t value;
        chars::PackedChar preview;
    };
    const Case cases[] = {
        {0x41, 0x41},          {0x4E00, 0x4E00},      {0xFFFF, 0xFFFF},
        {0x10000, 0xD800DC00}, {0x20000, 0xD840DC00}, {0xFFFFF, 0xDBBFDFFF},
    };
    for (const Case& c : cases) EXPECT_EQ(codeEntryPreviewOf(c.value), c.preview) << std::hex << c.value;
}

TEST(CustomAreaCodeEntry, RefusedTextGivesWayToTheLastAcceptedOne) {
    CodeValueEntry entry;
    EXPECT_EQ(entry.change("2"), (CodeEntryOutcome{"2", 0x2, std::nullopt}));
    EXPECT_EQ(entry.change("20000"), (CodeEntryOutcome{"20000", 0xD840DC00, std::nullopt}));
    EXPECT_EQ(entry.change("200000"), (CodeEntryOutcome{"20000", 0xD840DC00, MessageId::CodeValueOutOfRange}));
    EXPECT_EQ(entry.change("z"), (CodeEntryOutcome{"20000", 0xD840DC00, MessageId::CodeValueOutOfRange}));
    EXPECT_EQ(entry.text(), "20000");
    EXPECT_EQ(entry.output(), 0xD840DC00u);
    EXPECT_EQ(messageText(MessageId::CodeValueOutOfRange), "请输入范围在00000到FFFFF范围内的四位或五位Uicode码值！");
}

TEST(CustomAreaCodeEntry, EmptyEntryAndLoneSurrogatesOutputNothing) {
    CodeValueEntry entry;
    EXPECT_EQ(entry.output(), std::nullopt);
    entry.change("41");
    EXPECT_EQ(entry.output(), 0x41u);
    entry.change("");
    EXPECT_EQ(entry.preview(), 0u);
    EXPECT_EQ(entry.output(), std::nullopt);
    for (const char* text : {"d800", "dbff", "dc00", "dfff"}) {
        entry.change(text);
        EXPECT_EQ(entry.output(), std::nullopt) << text;
    }
    entry.change("e000");
    EXPECT_EQ(entry.output(), 0xE000u);
}

}  // namespace
}  // namespace tesvik::program
