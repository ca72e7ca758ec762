#include "tesvik/ui/widgets/CustomAreaGrid.h"

#include "tesvik/program/CustomAreaCells.h"
#include "tesvik/ui/widgets/CellPainter.h"

#include <QPainter>
#include <QStyledItemDelegate>

namespace tesvik::ui {
namespace {

constexpr int kCell = 30;

class CustomAreaCellDelegate : public QStyledItemDelegate {
public:
    explicit CustomAreaCellDelegate(CustomAreaGrid* grid) : QStyledItemDelegate(grid), grid_(grid) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const int row = index.row();
        if (row < 0 || row >= grid_->count()) return;
        const std::uint32_t value = grid_->candidates()[static_cast<std::size_t>(row)];
        if (value == 0) return;
        const bool selected = (option.state & QStyle::State_Selected) != 0;
        painter->save();
        painter->fillRect(option.rect, selected ? kCustomAreaSelectionColour : option.palette.color(QPalette::Base));
        painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
        painter->setFont(cellFont(grid_->gridFont()));
        painter->drawText(option.rect, Qt::AlignCenter | Qt::TextSingleLine, cellText(value, false));
        painter->setPen(QPen(option.palette.color(QPalette::Text), 1));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(option.rect.adjusted(0, 0, -1, -1));
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override { return {kCell, kCell}; }

private:
    CustomAreaGrid* grid_;
};

}  // namespace

CustomAreaGrid::CustomAreaGrid(QWidget* parent) : CandidateGrid(GridLook{kCell, kCell}, parent) {
    setObjectName("customAreaGrid");
    setItemDelegate(new CustomAreaCellDelegate(this));
    // The three rows fill the viewport: the column-major list wraps after
    // every third item and never scrolls. The list wraps an item that would
    // reach the viewport's last pixel row, hence the one spare row.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setResizeMode(QListView::Fixed);
    const int frame = 2 * frameWidth();
    setFixedSize(program::kCustomAreaColumns * kCell + frame, program::kCustomAreaRows * kCell + 1 + frame);
    setCandidates(program::customAreaItems(), 0);
}

void CustomAreaGrid::setGridFont(const QString& family) {
    gridFont_ = family;
    viewport()->update();
}

QRect CustomAreaGrid::cellRect(int row, int column) const {
    return visualRect(model()->index(program::customAreaIndexOf({row, column}), 0));
}

}  // namespace tesvik::ui
