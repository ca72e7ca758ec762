#include "tesvik/ui/widgets/CodeStatusLine.h"

#include "tesvik/messages/Messages.h"
#include "tesvik/ui/widgets/TestApplication_testing.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>

namespace tesvik::ui {
namespace {

QString text(tesvik::MessageId id) { return QString::fromUtf8(tesvik::messageText(id)); }

class CodeStatusLineTest : public ::testing::Test {
protected:
    CodeStatusLineTest() : line((testing::testApplication(), tesvik::chars::BlockNamePage::Other)) {}
    void chooseFormat(tesvik::chars::CodeFormat format) {
        line.findChild<QComboBox*>("codeFormatList")->setCurrentIndex(static_cast<int>(format));
    }
    CodeStatusLine line;
};

TEST_F(CodeStatusLineTest, LabelsAndFormatsInOrder) {
    QStringList labels;
    for (const QLabel* label : line.findChildren<QLabel*>())
        if (label->objectName() != "drawingFontLabel") labels << label->text();
    EXPECT_EQ(labels, (QStringList{"属于Unicode:", "字符代码:", "来自:"}));
    const auto* formats = line.findChild<QComboBox*>("codeFormatList");
    ASSERT_EQ(formats->count(), 2);
    EXPECT_EQ(formats->itemText(0), "Unicode(十六进制)");
    EXPECT_EQ(formats->itemText(1), "GB18030(十六进制)");
    EXPECT_EQ(line.format(), tesvik::chars::CodeFormat::Unicode);
}

TEST_F(CodeStatusLineTest, SelectionShowsBlockAndCode) {
    line.showSelection(0x4E00);
    EXPECT_EQ(line.blockText(), text(tesvik::MessageId::BlockCjkUnified));
    EXPECT_EQ(line.codeText(), "4E00");
    line.showSelection(0xD840DC00);
    EXPECT_EQ(line.blockText(), text(tesvik::MessageId::BlockCjkExtensionB));
    EXPECT_EQ(line.codeText(), "20000");
}

TEST_F(CodeStatusLineTest, NoSelectionEmptiesTheCodeAndKeepsTheBlock) {
    line.showSelection(0x4E00);
    line.showSelection(std::nullopt);
    EXPECT_EQ(line.codeText(), "");
    EXPECT_EQ(line.blockText(), text(tesvik::MessageId::BlockCjkUnified));
}

// A long font name gives way: the block name stays readable whole at the
// width the pages give the line.
TEST_F(CodeStatusLineTest, TheBlockNameKeepsItsRoomBesideALongFontName) {
    line.showSelection(0x3416);
    line.findChild<QLabel*>("drawingFontLabel")->setText("显示字体: WenQuanYi Zen Hei Sharp Extra Long Family");
    line.resize(660, line.sizeHint().height());
    line.show();
    line.layout()->activate();
    const auto* block = line.findChild<QLineEdit*>("blockField");
    const int needed = block->fontMetrics().horizontalAdvance(block->text());
    EXPECT_GE(block->contentsRect().marginsRemoved(block->textMargins()).width(), needed);
}

TEST_F(CodeStatusLineTest, FormatSwitchReExpressesTheShownCodeBothWays) {
    line.showSelection(0x4E00);
    chooseFormat(tesvik::chars::CodeFormat::Gb18030);
    EXPECT_EQ(line.codeText(), "D2BB");
    chooseFormat(tesvik::chars::CodeFormat::Unicode);
    EXPECT_EQ(line.codeText(), "4E00");
}

TEST_F(CodeStatusLineTest, SelectionInTheChosenFormat) {
    chooseFormat(tesvik::chars::CodeFormat::Gb18030);
    EXPECT_EQ(line.codeText(), "");  // nothing shown, nothing to switch
    line.showSelection(0x3000);
    EXPECT_EQ(line.codeText(), "A1A1");
}

TEST_F(CodeStatusLineTest, RadicalPagesNameTheRadicalBlocks) {
    CodeStatusLine directory(tesvik::chars::BlockNamePage::RadicalDirectory);
    directory.showSelection(0x2F00);
    EXPECT_EQ(directory.blockText(), text(tesvik::MessageId::BlockKangxiRadicals));
}

}  // namespace
}  // namespace tesvik::ui
