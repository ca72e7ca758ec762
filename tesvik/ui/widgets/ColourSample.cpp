#include "tesvik/ui/widgets/ColourSample.h"

#include <QPainter>

namespace tesvik::ui {

tesvik::program::ColorRef colorRefOf(const QColor& colour) {
    const QColor rgb = colour.toRgb();
    return tesvik::program::rgb(static_cast<std::uint8_t>(rgb.red()), static_cast<std::uint8_t>(rgb.green()),
                                static_cast<std::uint8_t>(rgb.blue()));
}

ColourSample::ColourSample(QWidget* parent) : QFrame(parent) {
    setFrameShape(QFrame::Box);
    setMinimumSize(48, 20);
}

void ColourSample::setColour(tesvik::program::ColorRef colour) {
    colour_ = colour;
    update();
}

void ColourSample::paintEvent(QPaintEvent* event) {
    {
        QPainter painter(this);
        painter.fillRect(contentsRect(), qColorOf(colour_));
    }
    QFrame::paintEvent(event);
}

}  // namespace tesvik::ui
