#pragma once
// The sideways-scrolling grid of large single characters under every lookup.
#include "tesvik/program/Settings.h"
#include "tesvik/ui/widgets/CellPainter.h"

#include <QListView>

#include <cstdint>
#include <optional>
#include <vector>

namespace tesvik::ui {

class CandidateModel;

// The signal selectionChanged() deliberately hides the view's protected
// slot of the same name, so that pages can connect to it without a cast.
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Woverloaded-virtual"
#endif

class CandidateGrid : public QListView {
    Q_OBJECT
public:
    explicit CandidateGrid(GridLook look, QWidget* parent = nullptr);

    // Refills; selects `selectIndex` (clamped; none when empty); emits selectionChanged.
    void setCandidates(std::vector<std::uint32_t> values, int selectIndex = 0);
    int count() const;
    int selectedIndex() const;  // -1: none
    std::optional<std::uint32_t> selectedValue() const;
    void selectIndex(int index);  // -1: none; emits selectionChanged
    const std::vector<std::uint32_t>& candidates() const;
    void setAppearance(const tesvik::program::CodeSpaceColors& colours, const QString& fontFamily);

    const GridLook& look() const { return look_; }
    const tesvik::program::CodeSpaceColors& colours() const { return colours_; }
    const QString& fontFamily() const { return fontFamily_; }
    // The "复制" menu is offered only on a filled grid, inside its viewport.
    bool offersCopyMenuAt(const QPoint& viewportPos) const;

signals:
    void selectionChanged();  // after every selection change, also to none
    void picked();            // double click on an item
    void copyRequested();     // context menu "复制"

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void announceSelection();

    GridLook look_;
    tesvik::program::CodeSpaceColors colours_;
    QString fontFamily_;
    CandidateModel* model_;
    bool refilling_ = false;
};

#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif

}  // namespace tesvik::ui
