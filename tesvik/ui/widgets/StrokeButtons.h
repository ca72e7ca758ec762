#pragma once
// A row of the five stroke buttons 一 丨 丿 丶 乙 and 后退, with the stroke
// tooltips, for every page and dialog that takes strokes by mouse. The
// buttons take the focus by Tab only, so a click leaves it in the field.
// Button object names: <prefix>Button1..5 and <prefix>BackButton.
#include <QWidget>

#include <array>

class QPushButton;

namespace tesvik::ui {

class StrokeButtons : public QWidget {
    Q_OBJECT
public:
    StrokeButtons(const QString& objectNamePrefix, QWidget* parent = nullptr);

    QPushButton* strokeButton(char digit) const;  // '1'..'5'
    QPushButton* backButton() const { return back_; }

signals:
    void strokePressed(char digit);
    void backPressed();

private:
    std::array<QPushButton*, 5> strokes_{};
    QPushButton* back_;
};

}  // namespace tesvik::ui
