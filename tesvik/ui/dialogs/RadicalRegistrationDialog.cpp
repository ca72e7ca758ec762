#include "tesvik/ui/dialogs/RadicalRegistrationDialog.h"

#include "tesvik/lookup/files/UserCode.h"
#include "tesvik/lookup/radical/RadicalPageInput.h"
#include "tesvik/lookup/radical/UserRadicalTable.h"
#include "tesvik/ui/widgets/StrokeButtons.h"
#include "tesvik/ui/widgets/UiText.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <filesystem>
#include <system_error>

namespace tesvik::ui {
namespace {

// The face and colour the dialog draws its radicals and preview in.
const QString kRegistrationFontFamily = "LMRadicalSong";
constexpr tesvik::program::ColorRef kRegistrationRadicalColour = 0xA09619;

QLineEdit* namedField(const char* name, tesvik::MessageId caption, QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setAccessibleName(uiText(caption));
    return field;
}

QPushButton* namedButton(const char* name, tesvik::MessageId text, QWidget* parent) {
    auto* button = new QPushButton(uiText(text), parent);
    button->setObjectName(name);
    button->setAccessibleName(button->text());
    return button;
}

QLabel* labelFor(tesvik::MessageId text, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(uiText(text), parent);
    label->setBuddy(buddy);
    return label;
}

}  // namespace

RadicalRegistrationDialog::RadicalRegistrationDialog(PageContext context, QWidget* parent)
    : QDialog(parent),
      context_(std::move(context)),
      codeField_(namedField("radicalRegistrationCodeEdit", tesvik::MessageId::RadicalRegistrationCodeLabel, this)),
      preview_(new OneCellBox(BoxColour::Plain, this)),
      radicalStrokeField_(new RadicalStrokeField(this)),
      radicalCountField_(namedField("radicalRegistrationCountEdit", tesvik::MessageId::RadicalCountCaption, this)),
      radicalPinyinField_(namedField("radicalRegistrationPinyinEdit", tesvik::MessageId::RadicalPinyinCaption, this)),
      radicalGrid_(new CandidateGrid(GridLook{30, 30, CellColours::Radicals, false}, this)),
      radicalBox_(new OneCellBox(BoxColour::Radicals, this)),
      remainingField_(
          namedField("radicalRegistrationRemainingEdit", tesvik::MessageId::RadicalRegistrationRemainingLabel, this)),
      remainingStrokesField_(
          namedField("radicalRegistrationRemainingStrokes", tesvik::MessageId::RadicalRegistrationStrokesLabel, this)),
      addButton_(namedButton("radicalRegistrationAddButton", tesvik::MessageId::StrokeRegistrationAdd, this)),
      modifyButton_(namedButton("radicalRegistrationModifyButton", tesvik::MessageId::StrokeRegistrationModify, this)),
      deleteButton_(namedButton("radicalRegistrationDeleteButton", tesvik::MessageId::StrokeRegistrationDelete, this)),
      closeButton_(namedButton("radicalRegistrationCloseButton", tesvik::MessageId::StrokeRegistrationClose, this)),
      notifier_(messageBoxNotifier(this)) {
    setObjectName("radicalRegistrationDialog");
    setWindowTitle(uiText(tesvik::MessageId::RadicalRegistrationTitle));
    setAccessibleName(windowTitle());
    buildLayout();

    tesvik::program::CodeSpaceColors colours;
    colours.radicals = kRegistrationRadicalColour;
    radicalGrid_->setAppearance(colours, kRegistrationFontFamily);
    radicalBox_->setAppearance(colours, kRegistrationFontFamily);
    preview_->setAppearance(colours, kRegistrationFontFamily);
    if (context_.settings != nullptr) radicalStrokeField_->setStrokeKeys(context_.settings->strokeKeys);
    remainingField_->setText(lastRemainingText_);
    remainingStrokesField_->setReadOnly(true);

    connect(codeField_, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (!updatingFields_) codeEdited(text);
    });
    connect(radicalStrokeField_, &QLineEdit::textChanged, this, [this] {
        if (updatingFields_) return;
        radicalStrokes_ = radicalStrokeField_->digits();
        radicalFieldsEdited();
    });
    connect(radicalStrokeField_, &RadicalStrokeField::keyRefused, this, [this](const tesvik::Message& message) {
        notifier_->show(message, PageNotifier::Icon::None, inputErrorCaption());
    });
    for (QLineEdit* field : {radicalCountField_, radicalPinyinField_}) {
        connect(field, &QLineEdit::textChanged, this, [this] {
            if (!updatingFields_) radicalFieldsEdited();
        });
    }
    connect(radicalGrid_, &CandidateGrid::selectionChanged, this, [this] {
        if (!updatingFields_) radicalSelected();
    });
    connect(radicalGrid_, &CandidateGrid::copyRequested, this, [this] {
        if (const auto value = radicalGrid_->selectedValue(); value && context_.output != nullptr) {
            context_.output->copyCharacter(*value);
        }
    });
    connect(remainingField_, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (!updatingFields_) remainingEdited(text);
    });
    connect(addButton_, &QPushButton::clicked, this, &RadicalRegistrationDialog::add);
    connect(modifyButton_, &QPushButton::clicked, this, &RadicalRegistrationDialog::modify);
    connect(deleteButton_, &QPushButton::clicked, this, &RadicalRegistrationDialog::remove);
    connect(closeButton_, &QPushButton::clicked, this, &QDialog::reject);
}

RadicalRegistrationDialog::~RadicalRegistrationDialog() = default;

void RadicalRegistrationDialog::buildLayout() {
    preview_->setObjectName("radicalRegistrationPreview");
    preview_->setAccessibleName(uiText(tesvik::MessageId::StrokeRegistrationPreviewLabel));
    radicalStrokeField_->setObjectName("radicalRegistrationStrokeEdit");
    radicalStrokeField_->setAccessibleName(uiText(tesvik::MessageId::RadicalStrokesCaption));
    radicalCountField_->setMaxLength(2);
    radicalPinyinField_->setMaxLength(10);
    radicalGrid_->setObjectName("radicalRegistrationGrid");
    radicalGrid_->setAccessibleName(uiText(tesvik::MessageId::RadicalListCaption));
    radicalBox_->setObjectName("radicalRegistrationRadicalBox");
    radicalBox_->setAccessibleName(uiText(tesvik::MessageId::CurrentRadicalCaption));
    addButton_->setDefault(true);
    for (QPushButton* button : {modifyButton_, deleteButton_, closeButton_}) button->setAutoDefault(false);

    auto* codeStep = new QGroupBox(uiText(tesvik::MessageId::StrokeRegistrationCodeStep), this);
    auto* codeLayout = new QHBoxLayout(codeStep);
    codeLayout->addWidget(labelFor(tesvik::MessageId::RadicalRegistrationCodeLabel, codeField_, this));
    codeLayout->addWidget(codeField_);
    codeLayout->addWidget(labelFor(tesvik::MessageId::StrokeRegistrationPreviewLabel, preview_, this));
    codeLayout->addWidget(preview_);
    codeLayout->addStretch(1);

    auto* radicalButtons = new StrokeButtons("radicalRegistrationStroke", this);
    connect(radicalButtons, &StrokeButtons::strokePressed, this, &RadicalRegistrationDialog::pressRadicalStroke);
    connect(radicalButtons, &StrokeButtons::backPressed, this, &RadicalRegistrationDialog::pressRadicalBack);
    auto* radicalStep = new QGroupBox(uiText(tesvik::MessageId::RadicalRegistrationRadicalStep), this);
    auto* radicalLayout = new QGridLayout(radicalStep);
    radicalLayout->addWidget(labelFor(tesvik::MessageId::RadicalStrokesCaption, radicalStrokeField_, this), 0, 0);
    radicalLayout->addWidget(radicalStrokeField_, 0, 1);
    radicalLayout->addWidget(radicalButtons, 0, 2);
    radicalLayout->addWidget(labelFor(tesvik::MessageId::RadicalCountCaption, radicalCountField_, this), 1, 0);
    radicalLayout->addWidget(radicalCountField_, 1, 1);
    radicalLayout->addWidget(labelFor(tesvik::MessageId::RadicalPinyinCaption, radicalPinyinField_, this), 2, 0);
    radicalLayout->addWidget(radicalPinyinField_, 2, 1);
    radicalLayout->addWidget(radicalGrid_, 3, 0, 1, 3);
    radicalLayout->addWidget(labelFor(tesvik::MessageId::CurrentRadicalCaption, radicalBox_, this), 4, 0);
    radicalLayout->addWidget(radicalBox_, 4, 1, Qt::AlignLeft);

    auto* remainingButtons = new StrokeButtons("radicalRegistrationRemainingStroke", this);
    connect(remainingButtons, &StrokeButtons::strokePressed, this, &RadicalRegistrationDialog::pressRemainingStroke);
    connect(remainingButtons, &StrokeButtons::backPressed, this, &RadicalRegistrationDialog::pressRemainingBack);
    auto* remainingStep = new QGroupBox(uiText(tesvik::MessageId::RadicalRegistrationRemainingStep), this);
    auto* remainingLayout = new QGridLayout(remainingStep);
    remainingLayout->addWidget(labelFor(tesvik::MessageId::RadicalRegistrationRemainingLabel, remainingField_, this), 0,
                               0);
    remainingLayout->addWidget(remainingField_, 0, 1);
    remainingLayout->addWidget(
        labelFor(tesvik::MessageId::RadicalRegistrationStrokesLabel, remainingStrokesField_, this), 1, 0);
    remainingLayout->addWidget(remainingStrokesField_, 1, 1);
    remainingLayout->addWidget(remainingButtons, 1, 2);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (QPushButton* button : {addButton_, modifyButton_, deleteButton_, closeButton_}) buttons->addWidget(button);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(codeStep);
    layout->addWidget(radicalStep, 1);
    layout->addWidget(remainingStep);
    layout->addLayout(buttons);
}

void RadicalRegistrationDialog::setNotifier(std::unique_ptr<PageNotifier> notifier) { notifier_ = std::move(notifier); }

tesvik::lookup::UserRadicalFields RadicalRegistrationDialog::fields() const {
    return tesvik::lookup::UserRadicalFields{codeField_->text().toStdString(), chosenKey_, static_cast<int>(remaining_),
                                             remainingStrokes_};
}

void RadicalRegistrationDialog::setText(QLineEdit* field, const QString& text) {
    updatingFields_ = true;
    field->setText(text);
    updatingFields_ = false;
}

void RadicalRegistrationDialog::codeEdited(const QString& text) {
    const auto checked = tesvik::lookup::checkCodeTextEdit(text.toStdString());
    if (!checked) {
        setText(codeField_, lastCodeText_);
        notifier_->show(checked.error(), PageNotifier::Icon::Information);
        return;
    }
    if (!checked.value()) return;  // fewer than four characters so far
    preview_->setValue(*checked.value());
    lastCodeText_ = text;
}

// Count and pinyin are taken as typed here: no check, no lower-casing.
void RadicalRegistrationDialog::radicalFieldsEdited() { searchRadicals(); }

void RadicalRegistrationDialog::pressRadicalStroke(char digit) {
    radicalStrokes_.push_back(digit);
    updatingFields_ = true;
    radicalStrokeField_->setDigits(radicalStrokes_);
    updatingFields_ = false;
    searchRadicals();
}

void RadicalRegistrationDialog::pressRadicalBack() {
    if (!radicalStrokes_.empty()) radicalStrokes_.pop_back();
    updatingFields_ = true;
    radicalStrokeField_->setDigits(radicalStrokes_);
    updatingFields_ = false;
    searchRadicals();
}

// The first radical found is selected, but only a selection by the user
// chooses a radical.
void RadicalRegistrationDialog::searchRadicals() {
    const tesvik::lookup::RadicalQuery query{radicalStrokes_, radicalCountField_->text().toStdString(),
                                             radicalPinyinField_->text().toStdString()};
    radicals_ = tesvik::lookup::searchRadicals(context_.directories.data, query);
    std::vector<std::uint32_t> values;
    values.reserve(radicals_.size());
    for (const auto& radical : radicals_) values.push_back(radical.radical);
    updatingFields_ = true;
    radicalGrid_->setCandidates(std::move(values), 0);
    updatingFields_ = false;
}

void RadicalRegistrationDialog::radicalSelected() {
    const int index = radicalGrid_->selectedIndex();
    if (index < 0 || static_cast<std::size_t>(index) >= radicals_.size()) return;
    const tesvik::lookup::RadicalCandidate& chosen = radicals_[static_cast<std::size_t>(index)];
    chosenKey_ = chosen.key;
    chosenRadical_ = chosen.radical;
    radicalBox_->setValue(chosenRadical_);
}

void RadicalRegistrationDialog::remainingEdited(const QString& text) {
    const auto checked = tesvik::lookup::checkUserRadicalRemainingField(text.toStdString());
    if (!checked) {
        setText(remainingField_, lastRemainingText_);
        notifier_->show(checked.error(), PageNotifier::Icon::Information);
        return;
    }
    remaining_ = checked.value();
    lastRemainingText_ = text;
}

void RadicalRegistrationDialog::pressRemainingStroke(char digit) {
    if (const auto appended = tesvik::lookup::appendRadicalCharStroke(remainingStrokes_, digit); !appended) {
        notifier_->show(appended.error(), PageNotifier::Icon::Information);
        remainingStrokesField_->setFocus();
        return;
    }
    remainingStrokesField_->setText(radicalStrokeGlyphs(remainingStrokes_));
}

void RadicalRegistrationDialog::pressRemainingBack() {
    if (!remainingStrokes_.empty()) remainingStrokes_.pop_back();
    remainingStrokesField_->setText(radicalStrokeGlyphs(remainingStrokes_));
}

// Shows a refused check; true when the operation must stop.
bool RadicalRegistrationDialog::refused(const tesvik::lookup::UserRadicalRefusal& refusal) {
    notifier_->show(refusal.message, PageNotifier::Icon::Information);
    if (refusal.focus == tesvik::lookup::UserRadicalField::Code) codeField_->setFocus();
    if (refusal.focus == tesvik::lookup::UserRadicalField::RemainingCount) remainingField_->setFocus();
    return true;
}

// The user directory may not exist yet on a fresh installation.
bool RadicalRegistrationDialog::prepareUserDirectory() {
    std::error_code error;
    std::filesystem::create_directories(context_.directories.user, error);
    return !error;
}

void RadicalRegistrationDialog::showResult(const tesvik::lookup::UserTableEdit& result) {
    const std::vector<tesvik::Message> messages = !result          ? result.error()
                                                  : result.value() ? std::vector{*result.value()}
                                                                   : std::vector<tesvik::Message>{};
    for (const tesvik::Message& message : messages) {
        // A code already filed is named in a plain message box.
        const auto icon = message.id == tesvik::MessageId::CodeAlreadyExists ? PageNotifier::Icon::None
                                                                             : PageNotifier::Icon::Information;
        notifier_->show(message, icon);
    }
}

void RadicalRegistrationDialog::add() {
    const auto checked = tesvik::lookup::checkAddRadicalFields(fields());
    if (!checked) {
        refused(checked.error());
        return;
    }
    preview_->setValue(checked.value().code);
    prepareUserDirectory();
    const auto result = tesvik::lookup::addRadicalEntry(context_.directories.user, checked.value());
    if (result && result.value()) clearAfterEdit();
    showResult(result);
}

void RadicalRegistrationDialog::modify() {
    const auto checked = tesvik::lookup::checkModifyRadicalFields(fields());
    if (!checked) {
        refused(checked.error());
        return;
    }
    preview_->setValue(checked.value().code);
    prepareUserDirectory();
    const auto result =
        tesvik::lookup::modifyRadicalEntry(context_.directories.user, checked.value(),
                                           [this](const tesvik::Message& question, const tesvik::Message& caption) {
                                               return notifier_->ask(question, caption);
                                           });
    if (result && result.value()) clearAfterEdit();
    showResult(result);
}

void RadicalRegistrationDialog::remove() {
    const auto checked = tesvik::lookup::checkDeleteRadicalFields(fields());
    if (!checked) {
        refused(checked.error());
        return;
    }
    preview_->setValue(checked.value());
    prepareUserDirectory();
    const auto result =
        tesvik::lookup::deleteRadicalEntry(context_.directories.user, checked.value(),
                                           [this](const tesvik::Message& question, const tesvik::Message& caption) {
                                               return notifier_->ask(question, caption);
                                           });
    if (!result || !result.value()) {
        showResult(result);
        return;
    }
    showResult(result);
    clearAfterEdit();
    codeField_->setFocus();
}

// Code, strokes and counts are cleared; the chosen radical's key stays, so
// that the next 添加 files under the same radical.
void RadicalRegistrationDialog::clearAfterEdit() {
    const tesvik::lookup::UserRadicalFields cleared = tesvik::lookup::fieldsAfterEdit(fields());
    setText(codeField_, QString::fromStdString(cleared.codeText));
    lastCodeText_.clear();
    remaining_ = static_cast<unsigned>(cleared.remaining);
    lastRemainingText_ = QString::number(remaining_);
    setText(remainingField_, lastRemainingText_);
    remainingStrokes_ = cleared.strokes;
    remainingStrokesField_->setText(radicalStrokeGlyphs(remainingStrokes_));
    radicalStrokes_.clear();
    updatingFields_ = true;
    radicalStrokeField_->setDigits(radicalStrokes_);
    radicalCountField_->clear();
    radicalPinyinField_->clear();
    updatingFields_ = false;
    preview_->setValue(0);
    radicalBox_->setValue(0);
    chosenRadical_ = 0;
    chosenKey_ = cleared.chosenKey;
    searchRadicals();
}

}  // namespace tesvik::ui
