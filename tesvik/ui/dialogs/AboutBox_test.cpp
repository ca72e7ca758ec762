#include "tesvik/ui/dialogs/AboutBox.h"

#include "common/testing/ScratchDirectory.h"
#include "tesvik/ui/widgets/TestApplication_testing.h"

#include <gtest/gtest.h>

#include <QLabel>

namespace tesvik::ui {
namespace {

TEST(AboutBox, ShowsTheCaptionAndTheLicenceLink) {
    testing::testApplication();
    AboutBox box("/nonexistent/");
    EXPECT_EQ(box.windowTitle(), "关于 LumenarTesvik输入法软件");
    auto* caption = box.findChild<QLabel*>("aboutCaption");
    ASSERT_NE(caption, nullptr);
    EXPECT_EQ(caption->text(), "LumenarTesvik输入法软件（规范字表版）V1.0");
    auto* link = box.findChild<QLabel*>("licenceLink");
    ASSERT_NE(link, nullptr);
    EXPECT_TRUE(link->text().contains("查看最终用户许可协议"));
}

TEST(AboutBox, LinkOpensTheLicenceTextOnlyWhenItExists) {
    testing::testApplication();
    lumenar::testing::ScratchDirectory settingsDirectory;
    std::vector<std::filesystem::path> opened;
    AboutBox box(settingsDirectory.path());
    box.setFileOpener([&](const std::filesystem::path& file) { opened.push_back(file); });
    auto* link = box.findChild<QLabel*>("licenceLink");
    ASSERT_NE(link, nullptr);

    emit link->linkActivated("licence");
    EXPECT_TRUE(opened.empty());

    settingsDirectory.write("Lumenar license.txt", "terms");
    emit link->linkActivated("licence");
    EXPECT_EQ(opened, std::vector<std::filesystem::path>{settingsDirectory / "Lumenar license.txt"});
}

}  // namespace
}  // namespace tesvik::ui
