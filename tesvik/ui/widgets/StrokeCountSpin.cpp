#include "tesvik/ui/widgets/StrokeCountSpin.h"

#include <QLineEdit>
#include <algorithm>

namespace tesvik::ui {

StrokeCountSpin::StrokeCountSpin(QWidget* parent) : NumberSpinBox(parent) {
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    connect(lineEdit(), &QLineEdit::textChanged, this, [this](const QString& text) {
        if (onTextChanged) onTextChanged(text);
    });
}

QString StrokeCountSpin::countText() const { return lineEdit()->text(); }

void StrokeCountSpin::selectFrom(int position) {
    const int length = static_cast<int>(lineEdit()->text().size());
    lineEdit()->setSelection(position, length - position);
}

int StrokeCountSpin::steppedValue() const {
    bool ok = false;
    const int value = lineEdit()->text().toInt(&ok);
    return ok ? value : 0;
}

void StrokeCountSpin::stepBy(int steps) {
    const int value = std::clamp(steppedValue() + steps, kMinimum, kMaximum);
    lineEdit()->setText(QString::number(value));
    lineEdit()->selectAll();
}

QValidator::State StrokeCountSpin::validate(QString&, int&) const { return QValidator::Acceptable; }

QAbstractSpinBox::StepEnabled StrokeCountSpin::stepEnabled() const {
    const int value = steppedValue();
    StepEnabled enabled = StepNone;
    if (value < kMaximum) enabled |= StepUpEnabled;
    if (value > kMinimum) enabled |= StepDownEnabled;
    return enabled;
}

}  // namespace tesvik::ui
