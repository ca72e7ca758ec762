#pragma once

#include "tesvik/shell/Settings.h"
#include "tesvik/ui/CellPainter.h"

#include <QColor>
#include <QFrame>

namespace tesvik::ui {

// A QColor as a settings colour (0x00BBGGRR); qColorOf (CellPainter.h) goes the other way.
tesvik::ColorRef colorRefOf(const QColor& colour);

// A framed patch filled with one colour.
class ColourSample : public QFrame {
    Q_OBJECT
public:
    explicit ColourSample(QWidget* parent = nullptr);

    void setColour(tesvik::ColorRef colour);
    tesvik::ColorRef colour() const { return colour_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    tesvik::ColorRef colour_ = 0;
};

}  // namespace tesvik::ui
