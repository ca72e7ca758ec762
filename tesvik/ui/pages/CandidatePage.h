#pragma once
// Base of every lookup page: the key, mouse and menu rules around its grid.
#include "tesvik/ui/widgets/CandidateGrid.h"
#include "tesvik/ui/widgets/OneCellBox.h"
#include "tesvik/ui/widgets/PageContext.h"

#include <QPointer>
#include <QWidget>

#include <vector>

class QKeyEvent;

namespace tesvik::ui {

struct OutputKeys {
    bool enter = true;
    bool space = true;
    bool escape = true;
};

class CandidatePage : public QWidget {
    Q_OBJECT
public:
    explicit CandidatePage(PageContext context, QWidget* parent = nullptr);
    virtual QWidget* firstFocusWidget() = 0;  // the page's first input control
    // Colours, font or stroke keys changed; re-applies the appearance of the
    // attached grids and boxes.
    virtual void applySettings();
    const PageContext& context() const;

signals:
    void requestPage(int index);  // asks the main window to show another page

protected:
    // Enter/Space in any control of the page output the grid's selected item
    // when the grid has items (the key then goes on to normal processing);
    // Esc moves the focus to the page and is consumed; double click outputs;
    // "复制" copies.
    void attachGrid(CandidateGrid* grid, OutputKeys keys = {});
    void attachBox(OneCellBox* box);   // re-styled by applySettings()
    virtual void beforeKeyOutput() {}  // e.g. the pinyin page remembers the selected index
    virtual void afterOutput() {}      // after a key or a double click sent a character

    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // A key press that this page handles: sent to the page or one of its
    // controls, and seen at its first receiver only.
    bool takesKey(QObject* watched, QEvent* event);

private:
    struct AttachedGrid {
        QPointer<CandidateGrid> grid;
        OutputKeys keys;
    };

    bool isFirstReceiver(QWidget* receiver) const;
    const QEvent* lastKey_ = nullptr;
    QPointer<QWidget> lastKeyReceiver_;
    bool handleKey(const QKeyEvent& key);
    CandidateGrid* outputGridFor(int key) const;
    void output(CandidateGrid* grid);
    void copy(CandidateGrid* grid);
    void copyCode(CandidateGrid* grid, CodeCopy what);
    void applyFontToStatusLines();
    void applyAppearance(CandidateGrid* grid) const;
    void applyAppearance(OneCellBox* box) const;

    PageContext context_;
    std::vector<AttachedGrid> grids_;
    std::vector<QPointer<OneCellBox>> boxes_;
};

}  // namespace tesvik::ui
