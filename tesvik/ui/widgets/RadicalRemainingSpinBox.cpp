#include "tesvik/ui/widgets/RadicalRemainingSpinBox.h"

#include <QKeyEvent>
#include <QLineEdit>

#include <algorithm>

namespace tesvik::ui {

RadicalRemainingSpinBox::RadicalRemainingSpinBox(QWidget* parent) : NumberSpinBox(parent) {
    setFieldText("0");
    connect(lineEdit(), &QLineEdit::textChanged, this, [this](const QString& text) {
        if (!settingText_) emit fieldChanged(text);
    });
}

void RadicalRemainingSpinBox::setFieldText(const QString& text) {
    settingText_ = true;
    lineEdit()->setText(text);
    settingText_ = false;
}

void RadicalRemainingSpinBox::selectFrom(int position) {
    lineEdit()->setSelection(position, static_cast<int>(lineEdit()->text().size()) - position);
}

int RadicalRemainingSpinBox::currentValue() const {
    bool ok = false;
    const int value = text().toInt(&ok);
    return ok ? value : 0;
}

void RadicalRemainingSpinBox::stepBy(int steps) {
    const int value = std::clamp(currentValue() + steps, kMinimum, kMaximum);
    lineEdit()->setText(QString::number(value));
    lineEdit()->selectAll();
}

QAbstractSpinBox::StepEnabled RadicalRemainingSpinBox::stepEnabled() const {
    StepEnabled enabled = StepNone;
    if (currentValue() < kMaximum) enabled |= StepUpEnabled;
    if (currentValue() > kMinimum) enabled |= StepDownEnabled;
    return enabled;
}

void RadicalRemainingSpinBox::focusInEvent(QFocusEvent* event) {
    QAbstractSpinBox::focusInEvent(event);
    lineEdit()->selectAll();  // a typed count replaces the one shown
}

void RadicalRemainingSpinBox::keyPressEvent(QKeyEvent* event) {
    // Space outputs the selected candidate and must not reach the text.
    if (event->key() == Qt::Key_Space) {
        event->accept();
        return;
    }
    QAbstractSpinBox::keyPressEvent(event);
}

}  // namespace tesvik::ui
