#pragma once
// Drawing one large character in a cell: the grids and the one-cell boxes.
#include "tesvik/program/Settings.h"

#include <QColor>
#include <QFont>
#include <QString>

#include <cstdint>

class QPainter;
class QRect;

namespace tesvik::ui {

// Radicals: BUSHOUColor for every cell; Symbols: the symbol page's fixed colours.
enum class CellColours { CodeSpace, Radicals, Symbols };

struct GridLook {
    int cellWidth = 30, cellHeight = 30;
    CellColours colours = CellColours::CodeSpace;
    bool scalarsAccepted = false;  // radical lookup and stroke pages: values 0x20000-0xFFFFE are scalars
};

inline constexpr int kCellFontPixelHeight = 28;
inline constexpr tesvik::program::ColorRef kSymbolExtensionAColour = 0x51A600;
inline constexpr tesvik::program::ColorRef kSymbolSupplementaryColour = 0x8F2792;

QColor qColorOf(tesvik::program::ColorRef colour);  // 0x00BBGGRR

// The text colour of a cell; `plain` where the class sets no colour.
QColor cellTextColour(std::uint32_t value, CellColours colours, const tesvik::program::CodeSpaceColors& settings,
                      const QColor& plain);

QFont cellFont(const QString& family);

QString cellText(std::uint32_t value, bool scalarsAccepted);

struct CellStyle {
    QColor text;
    QColor background;
    QFont font;
    bool fillBackground = true;     // unselected grid cells
    bool selectionOutline = false;  // selected grid cells: red dotted outline, no fill
    bool scalarsAccepted = false;
    bool drawable = true;  // false: no font draws it; an empty dashed frame instead of a missing-glyph box
};

// Draws `value` centred in `rect`; nothing at all for 0.
void paintCell(QPainter& painter, const QRect& rect, std::uint32_t value, const CellStyle& style);

}  // namespace tesvik::ui
