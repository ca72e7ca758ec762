#include "tesvik/lookup/stroke/StrokePageInput.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tesvik::lookup {
namespace {

TEST(StrokeButtons, AppendUpToTenStrokesThenRefuse) {
    std::string strokes = "123451234";
    EXPECT_TRUE(pressStrokeButton(strokes, '5').ok());
    EXPECT_EQ(strokes, "1234512345");
    const auto eleventh = pressStrokeButton(strokes, '1');
    ASSERT_FALSE(eleventh.ok());
    EXPECT_EQ(eleventh.error().text, "仅限于输入十个笔画信息");
    EXPECT_EQ(strokes, "1234512345");
    removeLastStroke(strokes);
    EXPECT_EQ(strokes, "123451234");
    std::string none;
    removeLastStroke(none);
    EXPECT_EQ(none, "");
}

TEST(StrokeButtons, GlyphsFollowTheDigits) {
    EXPECT_EQ(strokeGlyphs("12345"), "一丨丿丶乙");
    EXPECT_EQ(strokeGlyph('6'), "");
}

TEST(StrokeButtons, GlyphTextReadsBackAsDigitsInPlace) {
    EXPECT_EQ(strokeDigitsOf("一丨丿丶乙"), "12345");
    EXPECT_EQ(strokeDigitsOf(strokeGlyphs("5213")), "5213");
    EXPECT_EQ(strokeDigitsOf("丿a一 乙"), "315");  // other characters have no digit
    EXPECT_EQ(strokeDigitsOf(""), "");
}

TEST(StrokeField, OnlyTheFirstFiveConfiguredKeysTypeStrokes) {
    struct Case {
        char32_t key;
        std::string keys;
        char digit;  // 0: refused
    };
    const std::vector<Case> cases = {
        {U'1', "12345", '1'}, {U'5', "12345", '5'}, {U'6', "12345", 0},
        {U'h', "hspnz", '1'}, {U'z', "hspnz", '5'}, {U'H', "hspnz", 0},  // compared exactly as typed
        {U'x', "hspnzx", 0},                                             // sixth character is not a stroke
    };
    for (const Case& c : cases) {
        const auto digit = strokeDigitForKey(c.key, c.keys);
        if (c.digit == 0) {
            ASSERT_FALSE(digit.ok());
            EXPECT_EQ(digit.error().text, "输入有误，请输入代表笔画信息的快捷键：" + c.keys);
        } else {
            ASSERT_TRUE(digit.ok());
            EXPECT_EQ(*digit, c.digit);
        }
    }
}

TEST(StrokeField, ChangeAppendsTheTypedDigitAndFollowsTheGlyphCount) {
    struct Case {
        std::string strokes;
        std::optional<char> typed;
        std::size_t glyphs;
        std::string expected;
        bool search;
        bool refused;
    };
    const std::vector<Case> cases = {
        {"12", '3', 3, "123", true, false},
        {"123", std::nullopt, 2, "12", true, false},  // backspace
        {"1", std::nullopt, 0, "", false, false},     // emptied: no search
        {"1234512345", '1', 11, "1234512345", false, true},
    };
    for (const Case& c : cases) {
        const StrokeFieldUpdate update = afterStrokeFieldChange(c.strokes, c.typed, c.glyphs);
        EXPECT_EQ(update.strokes, c.expected);
        EXPECT_EQ(update.runSearch, c.search);
        EXPECT_EQ(update.message.has_value(), c.refused);
    }
}

TEST(StrokeCountField, DigitsSearchEmptyDoesNotOtherCharactersAreRefused) {
    EXPECT_EQ(checkStrokeCountField("7").value(), 7u);
    EXPECT_EQ(checkStrokeCountField("007").value(), 7u);
    EXPECT_EQ(checkStrokeCountField("").value(), std::nullopt);
    EXPECT_EQ(checkStrokeCountField("99999999999").value(), 4294967295u);

    const auto refused = checkStrokeCountField("1二x");
    ASSERT_FALSE(refused.ok());
    EXPECT_EQ(refused.error().message.text, "“1二x”不是合法的笔画数，请输入合法的笔画0-9！");
    EXPECT_EQ(refused.error().selectFrom, 1u);
}

}  // namespace
}  // namespace tesvik::lookup
