#include "pelorin/cli/CodeMap.h"
#include "pelorin/cli/LanguageScope_testing.h"

#include <gtest/gtest.h>

namespace pelorin::cli {
namespace {

TEST(CodeMap, ReadsTheFirstTwoColumnsOfTheRegisterTable) {
    const auto rows = parseCodeMap(
        "# code, standard character, radical\n"
        "E000\t3405\t2F03\r\n"
        "\n"
        "0xE001 20B9F\n");
    ASSERT_TRUE(rows.ok()) << rows.error();
    EXPECT_EQ(rows.value(), (std::vector<CodeMapping>{{0xE000, 0x3405}, {0xE001, 0x20B9F}}));
}

TEST(CodeMap, NamesTheLineOfABadRow) {
    const LanguageScope english(Language::English);
    const struct {
        const char* text;
        const char* error;
    } kCases[] = {
        {"E000\n", "line 1: wants a library code and a code point (hexadecimal)"},
        {"E000\t34G5\n", "line 1: wants a library code and a code point (hexadecimal)"},
        {"#\n10000\t3405\n", "line 2: library code 10000 is above FFFF"},
        {"E000\t110000\n", "line 1: code point 110000 is above 10FFFF"},
        {"E000\t3405\nE000\t3406\n", "line 2: library code E000 is given twice"},
    };
    for (const auto& c : kCases) {
        const auto rows = parseCodeMap(c.text);
        ASSERT_FALSE(rows.ok()) << c.text;
        EXPECT_EQ(rows.error(), c.error);
    }
}

TEST(CodeMap, TheLineOfABadRowIsNamedInTheCurrentLanguage) {
    const LanguageScope traditional(Language::TraditionalChinese);
    const auto rows = parseCodeMap("E000\t3405\nE000\t3406\n");
    ASSERT_FALSE(rows.ok());
    EXPECT_EQ(rows.error(), "第 2 行：字庫編碼 E000 重複出現");
}

TEST(CodeMap, AMissingFileIsNamed) {
    const LanguageScope english(Language::English);
    const auto rows = readCodeMap("/no/such/map.tsv");
    ASSERT_FALSE(rows.ok());
    EXPECT_EQ(rows.error(), "/no/such/map.tsv: cannot be read");
}

}  // namespace
}  // namespace pelorin::cli
