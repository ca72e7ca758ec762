#include "tesvik/ui/widgets/CandidateGrid.h"

#include "tesvik/chars/CopyFormats.h"
#include "tesvik/chars/PackedChar.h"
#include "tesvik/messages/Messages.h"
#include "tesvik/ui/widgets/UiText.h"

#include <QAbstractListModel>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>

#include <algorithm>

namespace tesvik::ui {

namespace {
constexpr int kValueRole = Qt::UserRole + 1;
}

class CandidateModel : public QAbstractListModel {
public:
    explicit CandidateModel(CandidateGrid* grid) : QAbstractListModel(grid), grid_(grid) {}

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(values_.size());
    }

    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid() || index.row() >= rowCount()) return {};
        const std::uint32_t value = values_[static_cast<std::size_t>(index.row())];
        if (role == kValueRole) return QVariant::fromValue(value);
        if (role == Qt::AccessibleTextRole) return cellText(value, scalarsAccepted_);
        if (role == Qt::ToolTipRole && !grid_->drawable(value)) return uiText(tesvik::MessageId::UndrawableTooltip);
        return {};
    }

    void reset(std::vector<std::uint32_t> values) {
        beginResetModel();
        values_ = std::move(values);
        endResetModel();
    }

    const std::vector<std::uint32_t>& values() const { return values_; }
    void setScalarsAccepted(bool accepted) { scalarsAccepted_ = accepted; }

private:
    const CandidateGrid* grid_;
    std::vector<std::uint32_t> values_;
    bool scalarsAccepted_ = false;
};

namespace {

class CellDelegate : public QStyledItemDelegate {
public:
    explicit CellDelegate(CandidateGrid* grid) : QStyledItemDelegate(grid), grid_(grid) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const auto value = index.data(kValueRole).value<std::uint32_t>();
        const GridLook& look = grid_->look();
        CellStyle style;
        style.text = cellTextColour(value, look.colours, grid_->colours(), option.palette.color(QPalette::Text));
        style.background = option.palette.color(QPalette::Base);
        style.font = cellFont(grid_->fontFamily());
        style.selectionOutline = (option.state & QStyle::State_Selected) != 0;
        style.scalarsAccepted = look.scalarsAccepted;
        style.drawable = grid_->drawable(value);
        paintCell(*painter, option.rect, value, style);
    }

    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override {
        return {grid_->look().cellWidth, grid_->look().cellHeight};
    }

private:
    CandidateGrid* grid_;
};

}  // namespace

CandidateGrid::CandidateGrid(GridLook look, QWidget* parent)
    : QListView(parent), look_(look), model_(new CandidateModel(this)) {
    model_->setScalarsAccepted(look.scalarsAccepted);
    setModel(model_);
    setItemDelegate(new CellDelegate(this));
    setViewMode(QListView::ListMode);
    setFlow(QListView::TopToBottom);
    setWrapping(true);
    setResizeMode(QListView::Adjust);
    setMovement(QListView::Static);
    setUniformItemSizes(true);
    setGridSize(QSize(look.cellWidth, look.cellHeight));
    setSpacing(0);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerItem);
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Sunken);
    setContextMenuPolicy(Qt::DefaultContextMenu);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (!refilling_) announceSelection();
    });
}

void CandidateGrid::setCandidates(std::vector<std::uint32_t> values, int selectIndex) {
    refilling_ = true;
    all_ = std::move(values);
    model_->reset(shownOf(all_));
    const int n = count();
    const int index = n == 0 ? -1 : std::clamp(selectIndex, 0, n - 1);
    if (index >= 0) {
        const QModelIndex item = model_->index(index);
        selectionModel()->setCurrentIndex(item, QItemSelectionModel::ClearAndSelect);
        scrollTo(item);
    } else {
        selectionModel()->clear();
    }
    refilling_ = false;
    announceSelection();
}

int CandidateGrid::count() const { return model_->rowCount(); }

int CandidateGrid::selectedIndex() const {
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

std::optional<std::uint32_t> CandidateGrid::selectedValue() const {
    const int index = selectedIndex();
    if (index < 0 || index >= count()) return std::nullopt;
    return model_->values()[static_cast<std::size_t>(index)];
}

void CandidateGrid::selectIndex(int index) {
    const int n = count();
    refilling_ = true;
    if (index < 0 || n == 0) {
        selectionModel()->clearSelection();
    } else {
        const QModelIndex item = model_->index(std::min(index, n - 1));
        selectionModel()->setCurrentIndex(item, QItemSelectionModel::ClearAndSelect);
        scrollTo(item);
    }
    refilling_ = false;
    announceSelection();
}

const std::vector<std::uint32_t>& CandidateGrid::candidates() const { return model_->values(); }

void CandidateGrid::setAppearance(const tesvik::program::CodeSpaceColors& colours, const QString& fontFamily) {
    colours_ = colours;
    fontFamily_ = fontFamily;
    viewport()->update();
}

void CandidateGrid::setGlyphCoverage(std::shared_ptr<const platform::GlyphCoverage> coverage, bool hideUndrawable) {
    if (coverage == coverage_ && hideUndrawable == hideUndrawable_) return;
    coverage_ = std::move(coverage);
    hideUndrawable_ = hideUndrawable;
    setCandidates(std::move(all_), std::max(selectedIndex(), 0));
}

bool CandidateGrid::drawable(std::uint32_t value) const {
    return coverage_ == nullptr || coverage_->drawable(static_cast<char32_t>(tesvik::chars::codePointOf(value)));
}

std::vector<std::uint32_t> CandidateGrid::shownOf(const std::vector<std::uint32_t>& values) const {
    if (!hideUndrawable_ || coverage_ == nullptr) return values;
    std::vector<std::uint32_t> shown;
    shown.reserve(values.size());
    for (std::uint32_t value : values)
        if (drawable(value)) shown.push_back(value);
    return shown;
}

bool CandidateGrid::offersCopyMenuAt(const QPoint& viewportPos) const {
    return count() > 0 && viewport()->rect().contains(viewportPos);
}

void CandidateGrid::addMenuAction(QAction* action) { extraActions_.append(action); }

void CandidateGrid::announceSelection() { emit selectionChanged(); }

void CandidateGrid::mousePressEvent(QMouseEvent* event) {
    // Like a list box: the right button and clicks beside the items keep the selection.
    if (event->button() != Qt::LeftButton || !indexAt(event->position().toPoint()).isValid()) {
        setFocus(Qt::MouseFocusReason);
        event->accept();
        return;
    }
    QListView::mousePressEvent(event);
}

void CandidateGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !indexAt(event->position().toPoint()).isValid()) {
        event->accept();
        return;
    }
    QListView::mouseDoubleClickEvent(event);
    if (selectedValue()) emit picked();
}

void CandidateGrid::contextMenuEvent(QContextMenuEvent* event) {
    // The view receives its viewport's menu events in viewport coordinates.
    event->accept();
    if (!offersCopyMenuAt(event->pos())) return;
    QMenu menu(this);
    QAction* copy = menu.addAction(QString::fromUtf8(tesvik::messageText(tesvik::MessageId::GridCopyMenuItem)));
    auto addCodeEntry = [&menu](tesvik::MessageId text, CodeCopy what) {
        menu.addAction(uiText(text))->setData(static_cast<int>(what));
    };
    addCodeEntry(tesvik::MessageId::CopyCodePointMenuItem, CodeCopy::CodePoint);
    addCodeEntry(tesvik::MessageId::CopyHtmlReferenceMenuItem, CodeCopy::HtmlReference);
    addCodeEntry(tesvik::MessageId::CopyGb18030BytesMenuItem, CodeCopy::Gb18030Bytes);
    if (const auto value = selectedValue(); value && tesvik::chars::standardTwinOf(*value))
        addCodeEntry(tesvik::MessageId::CopyStandardCharacterMenuItem, CodeCopy::StandardCharacter);
    if (!extraActions_.isEmpty()) {
        menu.addSeparator();
        menu.addActions(extraActions_);
    }
    QAction* chosen = menu.exec(event->globalPos());
    if (extraActions_.contains(chosen)) return;  // the action has run
    if (chosen == nullptr) return;
    if (chosen == copy) {
        emit copyRequested();
        return;
    }
    emit codeCopyRequested(static_cast<CodeCopy>(chosen->data().toInt()));
}

}  // namespace tesvik::ui
