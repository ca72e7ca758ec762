#pragma once
// The sideways-scrolling grid of large single characters under every lookup.
#include "platform/GlyphCoverage.h"
#include "tesvik/program/Settings.h"
#include "tesvik/ui/widgets/CellPainter.h"

#include <QListView>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace tesvik::ui {

class CandidateModel;

// The entries of the "复制" menu below "复制" itself.
enum class CodeCopy { CodePoint, HtmlReference, Gb18030Bytes, StandardCharacter };

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
    // With hiding on, characters that no installed font draws are left out.
    void setCandidates(std::vector<std::uint32_t> values, int selectIndex = 0);
    int count() const;
    int selectedIndex() const;  // -1: none
    std::optional<std::uint32_t> selectedValue() const;
    void selectIndex(int index);  // -1: none; emits selectionChanged
    // The items shown.
    const std::vector<std::uint32_t>& candidates() const;
    void setAppearance(const tesvik::program::CodeSpaceColors& colours, const QString& fontFamily);
    // Which characters the fonts draw (none: every one), and whether the
    // others are left out; a change of either refills the grid.
    void setGlyphCoverage(std::shared_ptr<const platform::GlyphCoverage> coverage, bool hideUndrawable);
    // Whether an installed font draws the value; an undrawable cell shows an
    // empty dashed frame.
    bool drawable(std::uint32_t value) const;
    bool hidesUndrawable() const { return hideUndrawable_; }

    const GridLook& look() const { return look_; }
    const tesvik::program::CodeSpaceColors& colours() const { return colours_; }
    const QString& fontFamily() const { return fontFamily_; }
    // The "复制" menu is offered only on a filled grid, inside its viewport.
    bool offersCopyMenuAt(const QPoint& viewportPos) const;
    // An entry of the grid's own behind the "复制" entries (the recent row's pin and clear).
    void addMenuAction(QAction* action);

signals:
    void selectionChanged();  // after every selection change, also to none
    void picked();            // double click on an item
    void copyRequested();     // context menu "复制"
    // The menu's code entries.
    void codeCopyRequested(tesvik::ui::CodeCopy what);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void announceSelection();
    std::vector<std::uint32_t> shownOf(const std::vector<std::uint32_t>& values) const;

    GridLook look_;
    tesvik::program::CodeSpaceColors colours_;
    QString fontFamily_;
    CandidateModel* model_;
    std::vector<std::uint32_t> all_;  // as given, before hiding
    std::shared_ptr<const platform::GlyphCoverage> coverage_;
    bool hideUndrawable_ = false;
    QList<QAction*> extraActions_;
    bool refilling_ = false;
};

#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif

}  // namespace tesvik::ui
