#include "tesvik/ui/pages/SymbolPage.h"

#include "tesvik/lookup/symbol/SymbolLookup.h"
#include "tesvik/lookup/symbol/SymbolSubsetTable.h"
#include "tesvik/messages/Messages.h"
#include "tesvik/ui/widgets/CodeStatusLine.h"
#include "tesvik/ui/widgets/UiText.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace tesvik::ui {

namespace {
using tesvik::MessageId;

constexpr GridLook kSymbolLook{
    .cellWidth = 35, .cellHeight = 35, .colours = CellColours::Symbols, .scalarsAccepted = false};
}  // namespace

SymbolPage::SymbolPage(PageContext context, QWidget* parent) : CandidatePage(std::move(context), parent) {
    setObjectName("symbolPage");
    setAccessibleName(uiText(MessageId::SymbolPageCaption));

    subsets_ = new QComboBox(this);
    subsets_->setObjectName("symbolSubsetList");
    subsets_->setAccessibleName(uiText(MessageId::SymbolSubsetLabel));
    for (const tesvik::lookup::SymbolSubset& subset : tesvik::lookup::SymbolSubsetTable)
        subsets_->addItem(QString::fromUtf8(subset.name.data(), static_cast<qsizetype>(subset.name.size())));
    subsets_->setMaxVisibleItems(20);
    grid_ = new CandidateGrid(kSymbolLook, this);
    grid_->setObjectName("symbolGrid");
    grid_->setAccessibleName(uiText(MessageId::SymbolGridLabel));
    status_ = new CodeStatusLine(tesvik::chars::BlockNamePage::Other, this);
    status_->setObjectName("symbolStatusLine");
    status_->setBlockFieldVisible(false);

    auto* subsetRow = new QHBoxLayout;
    auto* subsetLabel = new QLabel(uiText(MessageId::SymbolSubsetLabel), this);
    subsetLabel->setBuddy(subsets_);
    subsetRow->addWidget(subsetLabel);
    subsetRow->addWidget(subsets_, 1);
    auto* gridLabel = new QLabel(uiText(MessageId::SymbolGridLabel), this);
    gridLabel->setBuddy(grid_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(gridLabel);
    layout->addWidget(grid_, 1);
    layout->addLayout(subsetRow);
    layout->addWidget(status_);

    attachGrid(grid_, OutputKeys{.enter = true, .space = true, .escape = false});
    connect(grid_, &CandidateGrid::selectionChanged, this, &SymbolPage::showSelection);
    subsets_->setCurrentIndex(0);
    chooseSubset(0);
    connect(subsets_, &QComboBox::currentIndexChanged, this, &SymbolPage::chooseSubset);
}

QWidget* SymbolPage::firstFocusWidget() { return subsets_; }

int SymbolPage::shownSubset() const { return subsets_->currentIndex(); }

int SymbolPage::heldSubset() const { return held_; }

void SymbolPage::chooseSubset(int index) {
    if (index < 0 || index == held_) return;
    held_ = index;
    grid_->setCandidates(tesvik::lookup::symbolSubsetCharacters(static_cast<std::size_t>(index)), 0);
}

void SymbolPage::showSelection() {
    const std::optional<std::uint32_t> value = grid_->selectedValue();
    if (!value) return;  // an empty subset leaves the status line as it was
    status_->showSelection(value);
    // The list follows the selected character into its own subset; the grid keeps its items.
    if (const auto subset = tesvik::lookup::symbolSubsetOf(*value)) {
        const QSignalBlocker quiet(subsets_);
        subsets_->setCurrentIndex(static_cast<int>(*subset));
    }
}

void SymbolPage::refill() {
    const int index = shownSubset();
    if (index < 0) return;
    const int selected = std::max(0, grid_->selectedIndex());
    held_ = index;
    grid_->setCandidates(tesvik::lookup::symbolSubsetCharacters(static_cast<std::size_t>(index)), selected);
}

void SymbolPage::afterOutput() { refill(); }

void SymbolPage::showEvent(QShowEvent* event) {
    CandidatePage::showEvent(event);
    refill();
}

}  // namespace tesvik::ui
