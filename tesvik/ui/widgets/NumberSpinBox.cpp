#include "tesvik/ui/widgets/NumberSpinBox.h"

#include <QFontMetrics>
#include <QString>

namespace tesvik::ui {
namespace {

constexpr int kDigitsShown = 2;

QSize withDigits(QSize hint, const QFontMetrics& metrics) {
    hint.rwidth() += metrics.horizontalAdvance(QString(kDigitsShown, QLatin1Char('8')));
    return hint;
}

}  // namespace

QSize NumberSpinBox::sizeHint() const { return withDigits(QAbstractSpinBox::sizeHint(), fontMetrics()); }

QSize NumberSpinBox::minimumSizeHint() const {
    return withDigits(QAbstractSpinBox::minimumSizeHint(), fontMetrics());
}

}  // namespace tesvik::ui
