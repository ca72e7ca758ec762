#pragma once
// The remaining-strokes field of the radical lookup page: a spin control of
// 0 to 50 whose text the page checks itself, so that any typed text reaches
// the page (which refuses non-digits with a message).
#include "tesvik/ui/widgets/NumberSpinBox.h"

namespace tesvik::ui {

class RadicalRemainingSpinBox : public NumberSpinBox {
    Q_OBJECT
public:
    static constexpr int kMinimum = 0;
    static constexpr int kMaximum = 50;

    explicit RadicalRemainingSpinBox(QWidget* parent = nullptr);

    void setFieldText(const QString& text);  // emits nothing
    void selectFrom(int position);           // selects from position to the end

    void stepBy(int steps) override;

signals:
    void fieldChanged(const QString& text);  // typed or stepped

protected:
    StepEnabled stepEnabled() const override;
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    int currentValue() const;  // the text as a number; 0 unless digits
    bool settingText_ = false;
};

}  // namespace tesvik::ui
