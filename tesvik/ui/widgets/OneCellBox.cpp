#include "tesvik/ui/widgets/OneCellBox.h"

#include "tesvik/ui/widgets/CellPainter.h"

#include <QPainter>

namespace tesvik::ui {

namespace {
constexpr std::uint32_t kIdeographicSpace = 0x3000;  // keeps an empty box looking empty
constexpr int kBoxCell = 30;

CellColours cellColoursOf(BoxColour colour) {
    return colour == BoxColour::Radicals ? CellColours::Radicals : CellColours::CodeSpace;
}
}  // namespace

OneCellBox::OneCellBox(BoxColour colour, QWidget* parent) : QFrame(parent), colour_(colour) {
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Sunken);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    setMinimumSize(sizeHint());
}

void OneCellBox::setValue(std::uint32_t value) {
    if (value == value_) return;
    value_ = value;
    update();
}

std::uint32_t OneCellBox::value() const { return value_; }

void OneCellBox::setAppearance(const tesvik::program::CodeSpaceColors& colours, const QString& fontFamily) {
    colours_ = colours;
    fontFamily_ = fontFamily;
    update();
}

QSize OneCellBox::sizeHint() const {
    const int frame = 2 * frameWidth();
    return {kBoxCell + frame + 4, kBoxCell + frame + 4};
}

void OneCellBox::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    const std::uint32_t shown = value_ == 0 ? kIdeographicSpace : value_;
    const QColor plain = palette().color(QPalette::Text);
    CellStyle style;
    style.text = colour_ == BoxColour::Plain ? plain : cellTextColour(shown, cellColoursOf(colour_), colours_, plain);
    style.font = cellFont(fontFamily_);
    style.fillBackground = false;
    paintCell(painter, contentsRect(), shown, style);
}

}  // namespace tesvik::ui
