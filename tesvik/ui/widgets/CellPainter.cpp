#include "tesvik/ui/widgets/CellPainter.h"

#include "tesvik/chars/CodeSpace.h"
#include "tesvik/chars/PackedChar.h"

#include <QPainter>
#include <QPen>
#include <QRect>

namespace tesvik::ui {

QColor qColorOf(tesvik::program::ColorRef colour) {
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

namespace {

tesvik::program::ColorRef codeSpaceColour(std::uint32_t value, const tesvik::program::CodeSpaceColors& settings,
                                          bool& plain) {
    plain = false;
    switch (tesvik::chars::codeSpaceColourOf(value)) {
        case tesvik::chars::CodeSpaceColour::GBKColor:
            return settings.gbk;
        case tesvik::chars::CodeSpaceColour::GBKEUDCColor:
            return settings.gbkEudc;
        case tesvik::chars::CodeSpaceColour::GB13000EUDCColor:
            return settings.gb13000Eudc;
        case tesvik::chars::CodeSpaceColour::CJKZACOLOR:
            return settings.cjkExtensionA;
        case tesvik::chars::CodeSpaceColour::CJKKZBCOLOR:
            return settings.cjkExtensionsBToE;
        case tesvik::chars::CodeSpaceColour::Black:
            return 0;
    }
    plain = true;
    return 0;
}

}  // namespace

QColor cellTextColour(std::uint32_t value, CellColours colours, const tesvik::program::CodeSpaceColors& settings,
                      const QColor& plain) {
    switch (colours) {
        case CellColours::Radicals:
            return qColorOf(settings.radicals);
        case CellColours::Symbols:
            if (value >= 0x3400 && value <= 0x4DB5) return qColorOf(kSymbolExtensionAColour);
            if (value > 0x20000) return qColorOf(kSymbolSupplementaryColour);
            return plain;
        case CellColours::CodeSpace:
            break;
    }
    bool isPlain = false;
    const tesvik::program::ColorRef colour = codeSpaceColour(value, settings, isPlain);
    return isPlain ? plain : qColorOf(colour);
}

QFont cellFont(const QString& family) {
    QFont font;
    if (!family.isEmpty()) font.setFamily(family);
    font.setPixelSize(kCellFontPixelHeight);
    font.setWeight(QFont::Light);
    return font;
}

QString cellText(std::uint32_t value, bool scalarsAccepted) {
    const std::u16string units = tesvik::chars::utf16Of(value, scalarsAccepted);
    return QString::fromUtf16(units.data(), static_cast<qsizetype>(units.size()));
}

void paintCell(QPainter& painter, const QRect& rect, std::uint32_t value, const CellStyle& style) {
    if (value == 0) return;
    painter.save();
    if (style.fillBackground && !style.selectionOutline) painter.fillRect(rect, style.background);
    if (style.drawable) {
        painter.setPen(style.text);
        painter.setFont(style.font);
        painter.drawText(rect, Qt::AlignCenter | Qt::TextSingleLine, cellText(value, style.scalarsAccepted));
    } else {
        QPen dashed(style.text);
        dashed.setStyle(Qt::DashLine);
        painter.setPen(dashed);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect.adjusted(4, 4, -5, -5));
    }
    if (style.selectionOutline) {
        QPen pen(QColor(255, 0, 0));
        pen.setWidth(1);
        pen.setStyle(Qt::DotLine);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect.adjusted(0, 0, -1, -1));
    }
    painter.restore();
}

}  // namespace tesvik::ui
