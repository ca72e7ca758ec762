#pragma once
// A spin control whose text is a number its page checks. QAbstractSpinBox
// knows no range of its own and sizes itself for an empty text, which cuts
// a two-digit count to its last digit: this one leaves room for two digits.
#include <QAbstractSpinBox>

namespace tesvik::ui {

class NumberSpinBox : public QAbstractSpinBox {
public:
    explicit NumberSpinBox(QWidget* parent = nullptr) : QAbstractSpinBox(parent) {}

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
};

}  // namespace tesvik::ui
