#pragma once
// The custom-area grid: U+E650-U+E67F in three fixed rows of sixteen cells,
// drawn in a font of the page's own choosing, with a light-blue selection
// and a frame around every cell.
#include "tesvik/ui/widgets/CandidateGrid.h"

#include <QColor>

namespace tesvik::ui {

inline const QColor kCustomAreaSelectionColour{180, 201, 233};

class CustomAreaGrid : public CandidateGrid {
    Q_OBJECT
public:
    explicit CustomAreaGrid(QWidget* parent = nullptr);

    void setGridFont(const QString& family);
    const QString& gridFont() const { return gridFont_; }

    // The cell's rectangle in the viewport; row 0-2, column 0-15.
    QRect cellRect(int row, int column) const;

private:
    QString gridFont_;
};

}  // namespace tesvik::ui
