#pragma once
// The row of recently picked characters above the pages: any page's picks,
// newest first, kept in the user directory. Its characters are output and
// copied like any candidate; its menu also pins a character and clears the
// row.
#include "tesvik/program/RecentPicks.h"
#include "tesvik/ui/pages/CandidatePage.h"

#include <filesystem>

class QAction;

namespace tesvik::ui {

class RecentPicksRow : public CandidatePage {
    Q_OBJECT
public:
    // The row is read from `file` and written back after every change.
    RecentPicksRow(PageContext context, std::filesystem::path file, QWidget* parent = nullptr);
    QWidget* firstFocusWidget() override;

    // A character was output or copied.
    void record(tesvik::chars::PackedChar value);
    void setPinned(tesvik::chars::PackedChar value, bool pinned);
    void clear();

    CandidateGrid* grid() const { return grid_; }
    const tesvik::program::RecentPicks& picks() const { return picks_; }
    QAction* pinAction() const { return pin_; }
    QAction* clearAction() const { return clear_; }

private:
    void showPicks();
    void updatePinAction();

    std::filesystem::path file_;
    tesvik::program::RecentPicks picks_;
    CandidateGrid* grid_;
    QAction* pin_;
    QAction* clear_;
};

}  // namespace tesvik::ui
