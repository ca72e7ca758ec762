#include "tesvik/ui/pages/RecentPicksRow.h"

#include "tesvik/program/RecentPicksFile.h"
#include "tesvik/ui/widgets/UiText.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollBar>

namespace tesvik::ui {

namespace {
GridLook rowLook() {
    GridLook look;
    look.scalarsAccepted = true;
    return look;
}
}  // namespace

RecentPicksRow::RecentPicksRow(PageContext context, std::filesystem::path file, QWidget* parent)
    : CandidatePage(std::move(context), parent),
      file_(std::move(file)),
      picks_(tesvik::program::loadRecentPicks(file_)),
      grid_(new CandidateGrid(rowLook(), this)),
      pin_(new QAction(this)),
      clear_(new QAction(uiText(tesvik::MessageId::RecentClearMenuItem), this)) {
    setObjectName("recentPicksRow");
    grid_->setObjectName("recentPicksGrid");
    // A viewport lower than a cell would leave the first column empty; a
    // few pixels to spare keep the cells in one row whatever the style's frame.
    const int frame = 2 * grid_->frameWidth() + 4;
    grid_->setFixedHeight(rowLook().cellHeight + grid_->horizontalScrollBar()->sizeHint().height() + frame);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* label = new QLabel(uiText(tesvik::MessageId::RecentPicksLabel), this);
    label->setBuddy(grid_);
    layout->addWidget(label);
    layout->addWidget(grid_, 1);

    grid_->addMenuAction(pin_);
    grid_->addMenuAction(clear_);
    connect(pin_, &QAction::triggered, this, [this] {
        if (auto value = grid_->selectedValue()) setPinned(*value, !picks_.isPinned(*value));
    });
    connect(clear_, &QAction::triggered, this, &RecentPicksRow::clear);
    connect(grid_, &CandidateGrid::selectionChanged, this, &RecentPicksRow::updatePinAction);

    attachGrid(grid_, OutputKeys{.enter = true, .space = true, .escape = false});
    grid_->setCandidates(picks_.values());
    updatePinAction();
}

QWidget* RecentPicksRow::firstFocusWidget() { return grid_; }

void RecentPicksRow::record(tesvik::chars::PackedChar value) {
    picks_.record(value);
    showPicks();
}

void RecentPicksRow::setPinned(tesvik::chars::PackedChar value, bool pinned) {
    picks_.setPinned(value, pinned);
    showPicks();
}

void RecentPicksRow::clear() {
    picks_.clear();
    showPicks();
}

// Shows the row and keeps it on disk; a row that cannot be written stays
// shown for this session.
void RecentPicksRow::showPicks() {
    grid_->setCandidates(picks_.values());
    (void)tesvik::program::saveRecentPicks(file_, picks_);
    updatePinAction();
}

void RecentPicksRow::updatePinAction() {
    const auto value = grid_->selectedValue();
    const bool pinned = value && picks_.isPinned(*value);
    pin_->setText(uiText(pinned ? tesvik::MessageId::RecentUnpinMenuItem : tesvik::MessageId::RecentPinMenuItem));
    pin_->setEnabled(value.has_value());
}

}  // namespace tesvik::ui
