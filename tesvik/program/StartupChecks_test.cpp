#include "tesvik/program/StartupChecks.h"

#include "common/testing/ScratchDirectory.h"
#include "tesvik/program/SurrogateList.h"

#include <gtest/gtest.h>

namespace tesvik::program {
namespace {

std::vector<MessageId> idsOf(const std::vector<Message>& messages) {
    std::vector<MessageId> ids;
    for (const Message& m : messages) ids.push_back(m.id);
    return ids;
}

TEST(StartupChecks, ShippedDataGivesNoWarning) { EXPECT_TRUE(startupWarnings(LUMENAR_DATA_DIR).empty()); }

TEST(StartupChecks, MissingPinyinFileWarnsWithTheReinstallAdvice) {
    lumenar::testing::ScratchDirectory dir;
    dir.write(kSurrogateListFile, "D840DC00\r\n");
    const auto warnings = startupWarnings(dir.path());
    ASSERT_EQ(idsOf(warnings), std::vector<MessageId>{MessageId::PinyinFilesDamaged});
    EXPECT_EQ(warnings[0].text, "警告：内部文件丢失或者被损坏.将无法正常运行本软件。\n建议重新安装本软件。");
}

TEST(StartupChecks, DirectoryInPlaceOfThePinyinFileWarns) {
    lumenar::testing::ScratchDirectory dir;
    std::filesystem::create_directory(dir / kPinyinByCodeFile);
    EXPECT_TRUE(checkPinyinByCodeFile(dir.path()).has_value());
}

TEST(StartupChecks, SurrogateListWarningComesBeforeTheDataFileWarning) {
    lumenar::testing::ScratchDirectory dir;
    dir.write(kSurrogateListFile, "00004E00\r\n");
    EXPECT_EQ(idsOf(startupWarnings(dir.path())),
              (std::vector<MessageId>{MessageId::SurrogateListDamaged, MessageId::PinyinFilesDamaged}));
}

TEST(StartupChecks, EmptyPinyinFileIsNoWarning) {
    lumenar::testing::ScratchDirectory dir;
    dir.write(kSurrogateListFile, "D840DC00");
    dir.write(kPinyinByCodeFile, "");
    EXPECT_TRUE(startupWarnings(dir.path()).empty());
}

TEST(StartupChecks, RestartNoticeIsLeftOut) {
    const std::vector<Message> notices{message(MessageId::RestartToApplySettings), message(MessageId::AlreadyRunning)};
    EXPECT_EQ(idsOf(startupNotices(notices)), std::vector<MessageId>{MessageId::AlreadyRunning});
}

}  // namespace
}  // namespace tesvik::program
