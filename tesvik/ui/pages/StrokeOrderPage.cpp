#include "tesvik/ui/pages/StrokeOrderPage.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "tesvik/lookup/stroke/StrokePageInput.h"
#include "tesvik/program/Settings.h"
#include "tesvik/ui/dialogs/StrokeRegistrationDialog.h"
#include "tesvik/ui/widgets/CandidateGrid.h"
#include "tesvik/ui/widgets/CaptionLabel.h"
#include "tesvik/ui/widgets/CodeStatusLine.h"
#include "tesvik/ui/widgets/StrokeButtons.h"
#include "tesvik/ui/widgets/StrokeCountSpin.h"
#include "tesvik/ui/widgets/StrokeKeyEdit.h"
#include "tesvik/ui/widgets/UiText.h"

namespace tesvik::ui {
namespace {

using tesvik::MessageId;

// The position in text of its character number `characters`.
int positionOfCharacter(const QString& text, std::size_t characters) {
    int position = 0;
    for (std::size_t i = 0; i < characters && position < text.size(); ++i) {
        position += text.at(position).isHighSurrogate() && position + 1 < text.size() ? 2 : 1;
    }
    return position;
}

}  // namespace

StrokeOrderPage::StrokeOrderPage(PageContext context, QWidget* parent)
    : CandidatePage(std::move(context), parent), notifier_(messageBoxNotifier(this)) {
    setObjectName(QStringLiteral("strokeOrderPage"));
    setAccessibleName(uiText(MessageId::StrokePageTitle));
    buildControls();
}

StrokeOrderPage::~StrokeOrderPage() = default;

void StrokeOrderPage::buildControls() {
    count_ = new StrokeCountSpin;
    count_->setObjectName(QStringLiteral("strokeCountEdit"));
    count_->onTextChanged = [this](const QString& text) { countFieldChanged(text); };

    tolerance_ = new QCheckBox(uiText(MessageId::StrokeToleranceCheck));
    tolerance_->setObjectName(QStringLiteral("strokeToleranceCheck"));
    tolerance_->setAccessibleName(tolerance_->text());
    connect(tolerance_, &QCheckBox::clicked, this, [this] {
        query_.tolerance = tolerance_->isChecked();
        search();
    });

    outsideGbk_ = new QCheckBox(uiText(MessageId::StrokeOutsideGbkCheck));
    outsideGbk_->setObjectName(QStringLiteral("strokeOutsideGbkCheck"));
    outsideGbk_->setAccessibleName(outsideGbk_->text());
    connect(outsideGbk_, &QCheckBox::clicked, this, [this] {
        query_.outsideGbkOnly = outsideGbk_->isChecked();
        fillGrid();
    });

    strokeField_ = new StrokeKeyEdit([this] { return context().settings->strokeKeys; });
    strokeField_->setObjectName(QStringLiteral("strokeEdit"));
    strokeField_->onRefused = [this](const tesvik::Message& refusal) {
        notify(refusal, PageNotifier::Icon::Information, inputErrorCaption());
    };
    strokeField_->spaceIsOutputKey = [this] { return grid_->count() > 0; };
    connect(strokeField_, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (!settingStrokeField_) strokeFieldChanged(text);
    });

    auto* buttons = new StrokeButtons(QStringLiteral("stroke"));
    connect(buttons, &StrokeButtons::strokePressed, this, &StrokeOrderPage::pressStroke);
    connect(buttons, &StrokeButtons::backPressed, this, &StrokeOrderPage::removeStroke);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addWidget(buttons);
    buttonRow->addStretch();

    grid_ = new CandidateGrid(GridLook{30, 30, CellColours::CodeSpace, true});
    grid_->setObjectName(QStringLiteral("strokeGrid"));
    grid_->setAccessibleName(uiText(MessageId::StrokeGridCaption));
    status_ = new CodeStatusLine(tesvik::chars::BlockNamePage::Other);
    status_->setObjectName(QStringLiteral("strokeStatusLine"));
    connect(grid_, &CandidateGrid::selectionChanged, this, [this] { status_->showSelection(grid_->selectedValue()); });

    auto* query = new QGridLayout;
    query->addWidget(captionFor(MessageId::StrokeTotalCaption, count_), 0, 0);
    query->addWidget(count_, 0, 1);
    query->addWidget(tolerance_, 0, 2);
    query->addWidget(outsideGbk_, 0, 3);
    query->addWidget(captionFor(MessageId::StrokeFieldCaption, strokeField_), 1, 0);
    query->addWidget(strokeField_, 1, 1, 1, 3);
    query->addLayout(buttonRow, 2, 1, 1, 3);
    query->setColumnStretch(3, 1);

    auto* candidates = new QGroupBox(uiText(MessageId::StrokeGridCaption));
    auto* candidateLayout = new QVBoxLayout(candidates);
    candidateLayout->addWidget(grid_, 1);
    candidateLayout->addWidget(status_);

    auto* page = new QVBoxLayout(this);
    page->addLayout(query);
    page->addWidget(candidates, 1);

    setTabOrder(count_, strokeField_);
    setTabOrder(strokeField_, buttons->strokeButton('1'));
    setTabOrder(buttons->backButton(), tolerance_);
    setTabOrder(tolerance_, outsideGbk_);
    setTabOrder(outsideGbk_, grid_);

    attachGrid(grid_);  // after the layout: every control of the page is in place
}

QWidget* StrokeOrderPage::firstFocusWidget() { return count_; }

void StrokeOrderPage::setNotifier(std::unique_ptr<PageNotifier> notifier) { notifier_ = std::move(notifier); }

void StrokeOrderPage::openRegistrationDialog() {
    StrokeRegistrationDialog dialog(context(), this);
    dialog.exec();
}

void StrokeOrderPage::beforeKeyOutput() { rememberedIndex_ = grid_->selectedIndex(); }

void StrokeOrderPage::pressStroke(char digit) {
    if (const auto pressed = tesvik::lookup::pressStrokeButton(query_.strokes, digit); !pressed) {
        notify(pressed.error(), PageNotifier::Icon::Information);
        return;
    }
    setStrokeFieldText(QString::fromUtf8(tesvik::lookup::strokeGlyphs(query_.strokes)));
    search();
}

void StrokeOrderPage::removeStroke() {
    tesvik::lookup::removeLastStroke(query_.strokes);
    setStrokeFieldText(QString::fromUtf8(tesvik::lookup::strokeGlyphs(query_.strokes)));
    search();
}

void StrokeOrderPage::setStrokeFieldText(const QString& text) {
    settingStrokeField_ = true;
    strokeField_->setText(text);
    settingStrokeField_ = false;
    strokeFieldText_ = text;
}

// The field is read back glyph by glyph, so the strokes follow the glyphs
// wherever the caret was when a stroke was typed or deleted.
void StrokeOrderPage::strokeFieldChanged(const QString& text) {
    const std::string utf8 = text.toStdString();
    const std::string digits = tesvik::lookup::strokeDigitsOf(utf8);
    if (tesvik::lookup::strokeGlyphs(digits) != utf8) {  // pasted or dropped text that is not strokes
        setStrokeFieldText(strokeFieldText_);
        return;
    }
    const tesvik::lookup::StrokeFieldUpdate update =
        tesvik::lookup::afterStrokeFieldChange(digits, std::nullopt, digits.size());
    if (update.message) {
        const int caret = strokeField_->cursorPosition();
        setStrokeFieldText(strokeFieldText_);
        strokeField_->setCursorPosition(std::max(0, caret - 1));
        notify(*update.message, PageNotifier::Icon::Information);
        return;
    }
    strokeFieldText_ = text;
    query_.strokes = update.strokes;
    if (update.runSearch) search();
}

void StrokeOrderPage::countFieldChanged(const QString& text) {
    const auto count = tesvik::lookup::checkStrokeCountField(text.toStdString());
    if (!count) {
        count_->selectFrom(positionOfCharacter(text, count.error().selectFrom));
        notify(count.error().message, PageNotifier::Icon::Information, inputErrorCaption());
        return;
    }
    query_.count = count->value_or(0);
    if (count->has_value()) search();
}

void StrokeOrderPage::search() {
    kept_.clear();
    auto found = tesvik::lookup::searchByStrokes(context().directories.data, context().directories.user, query_);
    if (found) {
        kept_ = std::move(found.value());
    } else {
        for (const tesvik::Message& failure : found.error()) {
            const bool systemText = failure.id == MessageId::SystemFileError;
            notify(failure, systemText ? PageNotifier::Icon::None : PageNotifier::Icon::Information);
        }
    }
    fillGrid();
}

void StrokeOrderPage::fillGrid() {
    const std::vector<tesvik::chars::PackedChar> visible =
        tesvik::lookup::visibleCandidates(kept_, query_.outsideGbkOnly);
    const int select = rememberedIndex_.value_or(0);
    rememberedIndex_.reset();
    grid_->setCandidates(std::vector<std::uint32_t>(visible.begin(), visible.end()), select);
}

void StrokeOrderPage::notify(const tesvik::Message& message, PageNotifier::Icon icon, const QString& caption) {
    notifier_->show(message, icon, caption);
}

}  // namespace tesvik::ui
