#include "tesvik/lookup/stroke/UserStrokeFields.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tesvik/lookup/files/UserCode.h"

namespace tesvik::lookup {
namespace {

TEST(UserCode, FourHexDigitsOfThePrivateUseArea) {
    struct Case {
        std::string text;
        std::optional<std::uint16_t> code;
    };
    const std::vector<Case> cases = {
        {"E234", 0xE234},       {"e234", 0xE234},       {"E000", 0xE000},        {"f8ff", 0xF8FF},
        {"D800", std::nullopt}, {"F900", std::nullopt}, {"E0001", std::nullopt}, {"E23", std::nullopt},
        {"E2G4", std::nullopt}, {"+E23", std::nullopt}, {"", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(parseCode(c.text), c.code) << c.text;
}

TEST(UserCode, CodeFieldEditsWaitForFourCharactersAndRefuseMore) {
    EXPECT_EQ(checkCodeTextEdit("E2").value(), std::nullopt);
    EXPECT_EQ(checkCodeTextEdit("e234").value(), std::optional<std::uint16_t>(0xE234));
    for (const std::string text : {"E0001", "D800", "F900", "中中中中"}) {
        const auto refused = checkCodeTextEdit(text);
        ASSERT_FALSE(refused.ok()) << text;
        EXPECT_EQ(refused.error().text, "请输入范围在00000到FFFFF范围内的四位或五位Uicode码值！");
    }
}

TEST(UserStrokeFields, TotalEditAcceptsOneOrTwoDigits) {
    EXPECT_TRUE(checkTotalEdit("7").ok());
    EXPECT_TRUE(checkTotalEdit("99").ok());
    EXPECT_EQ(checkTotalEdit("7a").error().text, "请输入一个整数。");
    EXPECT_EQ(checkTotalEdit("").error().text, "总笔画数仅限输入1-99。");
    EXPECT_EQ(checkTotalEdit("100").error().text, "总笔画数仅限输入1-99。");
}

TEST(UserStrokeFields, ChecksRunInOrderAndBuildTheRow) {
    struct Case {
        UserStrokeFields fields;
        std::optional<MessageId> refusal;
        FieldFocus focus;
    };
    const std::vector<Case> cases = {
        {{"E23", "", ""}, MessageId::CodeValueOutOfRange, FieldFocus::CodeField},  // code first
        {{"F900", "4", "1234"}, MessageId::CodeValueOutOfRange, FieldFocus::CodeField},
        {{"E234", "0", "12"}, MessageId::IncompleteEntry, FieldFocus::Unchanged},
        {{"E234", "4", ""}, MessageId::IncompleteEntry, FieldFocus::Unchanged},
        {{"E234", "", "1"}, MessageId::IncompleteEntry, FieldFocus::Unchanged},
        {{"E234", "3", "1234"}, MessageId::TotalBelowStrokeCount, FieldFocus::TotalField},
        {{"E234", "4", "1234"}, std::nullopt, FieldFocus::Unchanged},
        {{"E234", "12", "12345123451"}, MessageId::TenStrokesOnly, FieldFocus::Unchanged},
        {{"E234", "12", "126"}, MessageId::InvalidStrokeKey, FieldFocus::Unchanged},
        {{"E234", "1x", "1"}, MessageId::EnterAnInteger, FieldFocus::TotalField},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fields.codeText + " / " + c.fields.total + " / " + c.fields.strokes);
        const auto entry = checkUserStrokeFields(c.fields);
        if (c.refusal) {
            ASSERT_FALSE(entry.ok());
            EXPECT_EQ(entry.error().message.id, *c.refusal);
            EXPECT_EQ(entry.error().focus, c.focus);
        } else {
            ASSERT_TRUE(entry.ok());
        }
    }

    const auto entry = checkUserStrokeFields({"e234", "7", "125"});
    ASSERT_TRUE(entry.ok());
    EXPECT_EQ(entry->code, 0xE234);
    EXPECT_EQ(entry->codeText, "e234");
    EXPECT_EQ(entry->row.count.text(), "07");
    EXPECT_EQ(std::string(entry->row.strokes.begin(), entry->row.strokes.end()), "1250000000");
    EXPECT_EQ(entry->row.character, 0xE234u);
    EXPECT_EQ(entry->row.marker, '2');
}

}  // namespace
}  // namespace tesvik::lookup
