#include "tesvik/chars/StatusLine.h"

#include <gtest/gtest.h>

namespace tesvik::chars {
namespace {

TEST(StatusLine, FieldsAfterASelectionChange) {
    const StatusLine before{"CJK统一汉字区", "4E00"};
    struct Case {
        std::optional<std::uint32_t> selected;
        CodeFormat format;
        BlockNamePage page;
        StatusLine after;
    };
    const Case cases[] = {
        {0x3400, CodeFormat::Unicode, BlockNamePage::Other, {"CJK统一汉字扩展A区", "3400"}},
        {0xD840DC00, CodeFormat::Gb18030, BlockNamePage::Other, {"CJK统一汉字扩展B区", "95328236"}},
        {0x0041, CodeFormat::Unicode, BlockNamePage::Other, {"CJK统一汉字区", "0041"}},  // no block: name kept
        {0x2ED3, CodeFormat::Unicode, BlockNamePage::Other, {"CJK统一汉字区", "2ED3"}},
        {0x2ED3, CodeFormat::Unicode, BlockNamePage::RadicalDirectory, {"CJK偏旁部首", "2ED3"}},
        {0xFA29, CodeFormat::Unicode, BlockNamePage::RadicalLookup, {"CJK兼容汉字区", "FA29"}},
        {std::nullopt, CodeFormat::Unicode, BlockNamePage::Other, {"CJK统一汉字区", ""}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(statusLineAfterSelection(before, c.selected, c.format, c.page), c.after)
            << std::hex << c.selected.value_or(0);
    }
}

}  // namespace
}  // namespace tesvik::chars
