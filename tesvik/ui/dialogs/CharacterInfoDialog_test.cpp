#include "tesvik/ui/dialogs/CharacterInfoDialog.h"

#include "tesvik/ui/widgets/TestApplication_testing.h"

#include <gtest/gtest.h>

#include <QLineEdit>

namespace tesvik::ui {
namespace {

TEST(CharacterInfoDialog, ShowsWhatTheDataKnowsOfThePastedCharacter) {
    testing::testApplication();
    CharacterInfoDialog dialog({LUMENAR_DATA_DIR, "/nonexistent"});
    dialog.field()->setText(QStringLiteral(" 㐅 and more"));  // the first character counts
    const QStringList lines = dialog.shownLines();
    ASSERT_EQ(lines.size(), 9);
    EXPECT_EQ(lines[0], QStringLiteral("㐅"));
    EXPECT_EQ(lines[1], QStringLiteral("U+3405"));
    EXPECT_EQ(lines[2], QStringLiteral("81 39 EF 34"));
    EXPECT_EQ(lines[3], QStringLiteral("CJK统一汉字扩展A区"));
    EXPECT_EQ(lines[5], QStringLiteral("2画，笔顺 34"));
    EXPECT_EQ(lines[7], QStringLiteral("wu3"));
    EXPECT_EQ(lines[8], QString::fromUtf8("补字区 \xEE\x80\x80 U+E000"));
    dialog.field()->clear();
    EXPECT_EQ(dialog.shownLines(), QStringList(9, QString()));
}

}  // namespace
}  // namespace tesvik::ui
