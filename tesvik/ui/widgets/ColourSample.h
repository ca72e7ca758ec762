#pragma once

#include "tesvik/program/Settings.h"
#include "tesvik/ui/widgets/CellPainter.h"

#include <QColor>
#include <QFrame>

namespace tesvik::ui {

// A QColor as a settings colour (0x00BBGGRR); qColorOf (CellPainter.h) goes the other way.
tesvik::program::ColorRef colorRefOf(const QColor& colour);

// A framed patch filled with one colour.
class ColourSample : public QFrame {
    Q_OBJECT
public:
    explicit ColourSample(QWidget* parent = nullptr);

    void setColour(tesvik::program::ColorRef colour);
    tesvik::program::ColorRef colour() const { return colour_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    tesvik::program::ColorRef colour_ = 0;
};

}  // namespace tesvik::ui
