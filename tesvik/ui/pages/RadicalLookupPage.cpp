#include "tesvik/ui/pages/RadicalLookupPage.h"

#include "tesvik/lookup/radical/RadicalGrid.h"
#include "tesvik/lookup/radical/RadicalPageInput.h"
#include "tesvik/ui/dialogs/RadicalRegistrationDialog.h"
#include "tesvik/ui/widgets/StrokeButtons.h"
#include "tesvik/ui/widgets/UiText.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tesvik::ui {
RadicalLookupPage::RadicalLookupPage(PageContext context, QWidget* parent)
    : CandidatePage(std::move(context), parent),
      radicalBox_(new OneCellBox(BoxColour::Plain, this)),
      remaining_(new RadicalRemainingSpinBox(this)),
      strokeField_(new RadicalStrokeField(this)),
      outsideGbk_(new QCheckBox(uiText(tesvik::MessageId::RadicalOutsideGbkCheck), this)),
      grid_(new CandidateGrid(GridLook{30, 30, CellColours::CodeSpace, true}, this)),
      status_(new CodeStatusLine(tesvik::chars::BlockNamePage::RadicalLookup, this)),
      registrationButton_(new QPushButton(uiText(tesvik::MessageId::RadicalRegistrationButton), this)),
      notifier_(messageBoxNotifier(this)) {
    setObjectName("radicalLookupPage");
    setAccessibleName(uiText(tesvik::MessageId::RadicalLookupPageTitle));
    buildLayout();
    applySettings();
    attachGrid(grid_);
    attachBox(radicalBox_);

    connect(grid_, &CandidateGrid::selectionChanged, this, [this] { status_->showSelection(grid_->selectedValue()); });
    connect(remaining_, &RadicalRemainingSpinBox::fieldChanged, this, &RadicalLookupPage::remainingEdited);
    connect(strokeField_, &QLineEdit::textChanged, this, [this] {
        if (!updatingFields_) strokeFieldEdited();
    });
    connect(strokeField_, &RadicalStrokeField::keyRefused, this, [this](const tesvik::Message& message) {
        notifier_->show(message, PageNotifier::Icon::None, inputErrorCaption());
    });
    connect(outsideGbk_, &QCheckBox::toggled, this, [this](bool checked) {
        query_.outsideGbkOnly = checked;
        fillGrid();
    });
    connect(registrationButton_, &QPushButton::clicked, this, &RadicalLookupPage::openRegistrationDialog);
}

RadicalLookupPage::~RadicalLookupPage() = default;

void RadicalLookupPage::buildLayout() {
    radicalBox_->setObjectName("lookupRadicalBox");
    radicalBox_->setAccessibleName(uiText(tesvik::MessageId::RadicalBoxCaption));
    remaining_->setObjectName("remainingStrokesSpin");
    remaining_->setAccessibleName(uiText(tesvik::MessageId::RemainingStrokesCaption));
    strokeField_->setObjectName("radicalCharStrokeEdit");
    strokeField_->setAccessibleName(uiText(tesvik::MessageId::RadicalCharStrokesCaption));
    outsideGbk_->setObjectName("radicalOutsideGbkCheck");
    outsideGbk_->setAccessibleName(outsideGbk_->text());
    grid_->setObjectName("radicalCharGrid");
    grid_->setAccessibleName(uiText(tesvik::MessageId::RadicalCharGridCaption));
    status_->setObjectName("radicalCharStatusLine");
    registrationButton_->setObjectName("radicalRegistrationButton");
    registrationButton_->setAccessibleName(registrationButton_->text());
    registrationButton_->setAutoDefault(false);
    // Not part of the page's layout; the main window offers the dialog when
    // every page is shown.
    registrationButton_->hide();

    auto* buttons = new StrokeButtons("radicalCharStroke", this);
    connect(buttons, &StrokeButtons::strokePressed, this, &RadicalLookupPage::pressStroke);
    connect(buttons, &StrokeButtons::backPressed, this, &RadicalLookupPage::pressBack);

    auto* radicalLabel = new QLabel(uiText(tesvik::MessageId::RadicalBoxCaption), this);
    auto* remainingLabel = new QLabel(uiText(tesvik::MessageId::RemainingStrokesCaption), this);
    remainingLabel->setBuddy(remaining_);
    auto* top = new QHBoxLayout;
    top->addWidget(radicalLabel);
    top->addWidget(radicalBox_);
    top->addSpacing(12);
    top->addWidget(remainingLabel);
    top->addWidget(remaining_);
    top->addStretch(1);
    top->addWidget(outsideGbk_);

    auto* strokesBox = new QGroupBox(uiText(tesvik::MessageId::RadicalCharStrokesCaption), this);
    auto* strokesLayout = new QHBoxLayout(strokesBox);
    strokesLayout->addWidget(strokeField_, 1);
    strokesLayout->addWidget(buttons);

    auto* gridBox = new QGroupBox(uiText(tesvik::MessageId::RadicalCharGridCaption), this);
    auto* gridLayout = new QVBoxLayout(gridBox);
    gridLayout->addWidget(grid_);
    gridLayout->addWidget(status_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(strokesBox);
    layout->addWidget(gridBox, 1);
    setTabOrder(remaining_, strokeField_);
    setTabOrder(strokeField_, outsideGbk_);
    setTabOrder(outsideGbk_, grid_);
}

QWidget* RadicalLookupPage::firstFocusWidget() { return remaining_; }

void RadicalLookupPage::applySettings() {
    CandidatePage::applySettings();
    if (context().settings != nullptr) strokeField_->setStrokeKeys(context().settings->strokeKeys);
}

void RadicalLookupPage::setNotifier(std::unique_ptr<PageNotifier> notifier) { notifier_ = std::move(notifier); }

void RadicalLookupPage::setCurrentRadical(quint32 radical, const QString& key) {
    current_.radical = radical;
    current_.key = tesvik::lookup::RadicalKey::fromText(key.toStdString());
    radicalBox_->setValue(radical);
    if (isVisible()) resetAndSearch();
}

void RadicalLookupPage::showEvent(QShowEvent* event) {
    CandidatePage::showEvent(event);
    resetAndSearch();
}

void RadicalLookupPage::beforeKeyOutput() { rememberedIndex_ = grid_->selectedIndex(); }

void RadicalLookupPage::resetAndSearch() {
    query_.strokes.clear();
    query_.remaining = 0;
    updatingFields_ = true;
    strokeField_->setDigits(query_.strokes);
    updatingFields_ = false;
    remaining_->setFieldText("0");
    search();
}

void RadicalLookupPage::search() {
    auto found =
        tesvik::lookup::searchByRadical(context().directories.data, context().directories.user, current_.key, query_);
    kept_ = std::move(found.kept);
    if (found.stoppedBy) notifier_->show(*found.stoppedBy, PageNotifier::Icon::Information);
    fillGrid();
}

// The position remembered by Enter or Space is selected once, else the first.
void RadicalLookupPage::fillGrid() {
    const int index = rememberedIndex_.value_or(0);
    rememberedIndex_.reset();
    grid_->setCandidates(tesvik::lookup::radicalGridItems(current_, query_, kept_), index);
}

void RadicalLookupPage::showStrokes() {
    updatingFields_ = true;
    strokeField_->setDigits(query_.strokes);
    updatingFields_ = false;
}

void RadicalLookupPage::pressStroke(char digit) {
    if (const auto appended = tesvik::lookup::appendRadicalCharStroke(query_.strokes, digit); !appended) {
        notifier_->show(appended.error(), PageNotifier::Icon::Information);
        return;
    }
    showStrokes();
    search();
}

void RadicalLookupPage::pressBack() {
    if (!query_.strokes.empty()) query_.strokes.pop_back();
    showStrokes();
    search();
}

// The strokes are read back from the glyphs shown, wherever the caret was; a
// fifth glyph is taken out again.
void RadicalLookupPage::strokeFieldEdited() {
    const auto checked =
        tesvik::lookup::checkRadicalCharStrokeCount(static_cast<std::size_t>(strokeField_->glyphCount()));
    if (!checked) {
        showStrokes();
        notifier_->show(checked.error(), PageNotifier::Icon::Information);
        return;
    }
    query_.strokes = strokeField_->digits();
    if (checked.value() == tesvik::lookup::RadicalFieldAction::Search) search();
}

void RadicalLookupPage::remainingEdited(const QString& text) {
    const auto checked = tesvik::lookup::checkRemainingField(text.toStdString());
    if (!checked) {
        remaining_->selectFrom(static_cast<int>(checked.error().selectFrom));
        notifier_->show(checked.error().message, PageNotifier::Icon::None, inputErrorCaption());
        return;
    }
    if (!checked.value()) return;
    query_.remaining = *checked.value();
    search();
}

void RadicalLookupPage::openRegistrationDialog() {
    RadicalRegistrationDialog dialog(context(), this);
    dialog.exec();
}

}  // namespace tesvik::ui
