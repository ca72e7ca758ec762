#pragma once
// The total stroke count field of the stroke-order page: a spin control whose
// arrows step from 0 to 70, while its text takes whatever is typed (the page
// checks it and says what is wrong).
#include "tesvik/ui/widgets/NumberSpinBox.h"
#include <functional>

namespace tesvik::ui {

class StrokeCountSpin : public NumberSpinBox {
public:
    static constexpr int kMinimum = 0;
    static constexpr int kMaximum = 70;

    explicit StrokeCountSpin(QWidget* parent = nullptr);

    // Called after every change of the text, typed or stepped.
    std::function<void(const QString&)> onTextChanged;

    QString countText() const;
    void selectFrom(int position);  // from position to the end

    void stepBy(int steps) override;
    QValidator::State validate(QString& input, int& position) const override;

protected:
    StepEnabled stepEnabled() const override;

private:
    int steppedValue() const;  // the text's number, 0 when it holds anything else
};

}  // namespace tesvik::ui
