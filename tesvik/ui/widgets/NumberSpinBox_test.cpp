#include "tesvik/ui/widgets/RadicalRemainingSpinBox.h"
#include "tesvik/ui/widgets/StrokeCountSpin.h"

#include "tesvik/ui/widgets/TestApplication_testing.h"

#include <gtest/gtest.h>
#include <QLineEdit>

namespace tesvik::ui {
namespace {

// At the size it asks for, each count field shows a two-digit count whole
// (a count of 31 strokes once showed as "1").
template <class Spin>
void expectTwoDigitsFit() {
    testing::testApplication();
    Spin spin;
    spin.resize(spin.sizeHint());
    spin.show();
    QLineEdit* edit = spin.template findChild<QLineEdit*>();
    ASSERT_NE(edit, nullptr);
    edit->setText(QStringLiteral("88"));
    const QRect room = edit->contentsRect().marginsRemoved(edit->textMargins());
    EXPECT_GE(room.width(), edit->fontMetrics().horizontalAdvance(QStringLiteral("88")));
}

TEST(NumberSpinBox, StrokeCountShowsTwoDigits) { expectTwoDigitsFit<StrokeCountSpin>(); }
TEST(NumberSpinBox, RadicalRemainingShowsTwoDigits) { expectTwoDigitsFit<RadicalRemainingSpinBox>(); }

}  // namespace
}  // namespace tesvik::ui
