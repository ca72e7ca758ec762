#include "tesvik/chars/Utf8Scalar.h"

#include <gtest/gtest.h>

namespace tesvik::chars {
namespace {

TEST(Utf8Scalar, LeadingScalarAndItsLength) {
    const struct {
        std::string_view text;
        std::optional<char32_t> scalar;
        std::size_t length;  // when a scalar is read
    } kCases[] = {
        {"A", U'A', 1},
        {"\xE4\xB8\x80z", U'\u4E00', 3},
        {"\xF0\xA0\x80\x80", U'\U00020000', 4},
        {"\xEE\x99\x90", U'\uE650', 3},
        {"", std::nullopt, 0},
        {"\xC0\x80", std::nullopt, 0},          // overlong
        {"\xE0\x80\x80", std::nullopt, 0},      // overlong
        {"\xED\xA0\x80", std::nullopt, 0},      // a surrogate
        {"\xF4\x90\x80\x80", std::nullopt, 0},  // above U+10FFFF
        {"\xE4\xB8", std::nullopt, 0},          // cut short
        {"\x80", std::nullopt, 0},              // a continuation byte first
    };
    for (const auto& c : kCases) {
        std::size_t length = 0;
        EXPECT_EQ(leadingUtf8Scalar(c.text, length), c.scalar) << testing::PrintToString(c.text);
        if (c.scalar) {
            EXPECT_EQ(length, c.length);
        }
    }
}

}  // namespace
}  // namespace tesvik::chars
