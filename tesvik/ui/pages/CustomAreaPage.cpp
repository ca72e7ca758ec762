#include "tesvik/ui/pages/CustomAreaPage.h"

#include "platform/FontconfigFonts.h"
#include "tesvik/program/CustomAreaCells.h"
#include "tesvik/program/CustomAreaFonts.h"
#include "tesvik/ui/widgets/CellPainter.h"
#include "tesvik/ui/widgets/CustomAreaGrid.h"
#include "tesvik/ui/widgets/UiText.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace tesvik::ui {
namespace {

constexpr int kCell = 30;

QLabel* cellLabel(const QString& caption, QWidget* parent) {
    auto* label = new QLabel(caption, parent);
    label->setAlignment(Qt::AlignCenter);
    label->setFixedSize(kCell, kCell);
    return label;
}

template <class Widget>
Widget* named(Widget* widget, const char* objectName, const QString& caption) {
    widget->setObjectName(objectName);
    widget->setAccessibleName(caption);
    return widget;
}

QString gridFontOf(const PageContext& context) {
    return context.settings == nullptr ? QString() : QString::fromStdString(context.settings->currentFontName);
}

}  // namespace

CustomAreaPage::CustomAreaPage(PageContext context, QWidget* parent)
    : CandidatePage(std::move(context), parent), notifier_(messageBoxNotifier(this)) {
    named(this, "customAreaPage", uiText(MessageId::CustomAreaPageName));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildGridArea());
    layout->addWidget(buildCodeRow());
    layout->addWidget(buildEntryGroup());
    layout->addStretch(1);

    attachGrid(grid_, OutputKeys{.enter = false, .space = true, .escape = true});
    chooseFont(gridFontOf(this->context()));
    connect(grid_, &CandidateGrid::selectionChanged, this, &CustomAreaPage::showSelectedCode);
    showSelectedCode();
    applySettings();
}

QWidget* CustomAreaPage::buildGridArea() {
    auto* area = new QWidget(this);
    auto* layout = new QGridLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    grid_ = new CustomAreaGrid(area);
    grid_->setAccessibleName(uiText(MessageId::CustomAreaPageName));

    // One header digit above each column, one label beside each row.
    auto* header = new QWidget(area);
    auto* headerLayout = new QHBoxLayout(header);
    headerLayout->setContentsMargins(grid_->frameWidth(), 0, grid_->frameWidth(), 0);
    headerLayout->setSpacing(0);
    for (const QString& digit : uiText(MessageId::CustomAreaColumnHeader).split(' ', Qt::SkipEmptyParts))
        headerLayout->addWidget(cellLabel(digit, header));

    auto* rows = new QWidget(area);
    auto* rowsLayout = new QVBoxLayout(rows);
    rowsLayout->setContentsMargins(0, grid_->frameWidth(), 4, grid_->frameWidth());
    rowsLayout->setSpacing(0);
    for (MessageId row : {MessageId::CustomAreaRowE650, MessageId::CustomAreaRowE660, MessageId::CustomAreaRowE670}) {
        auto* label = new QLabel(uiText(row), rows);
        label->setFixedHeight(kCell);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        rowsLayout->addWidget(label);
    }

    layout->addWidget(header, 0, 1);
    layout->addWidget(rows, 1, 0);
    layout->addWidget(grid_, 1, 1);
    layout->setColumnStretch(2, 1);
    return area;
}

QWidget* CustomAreaPage::buildCodeRow() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);

    const QString codeCaption = uiText(MessageId::CustomAreaCodeLabel);
    codeField_ = named(new QLineEdit(row), "customAreaCodeEdit", codeCaption);
    codeField_->setReadOnly(true);
    codeField_->setMaximumWidth(100);

    const QString formatCaption = uiText(MessageId::CustomAreaCharsetLabel);
    formatList_ = named(new QComboBox(row), "customAreaFormatList", formatCaption);
    formatList_->addItem(uiText(chars::codeFormatName(chars::CodeFormat::Unicode)));
    formatList_->addItem(uiText(chars::codeFormatName(chars::CodeFormat::Gb18030)));
    formatList_->setCurrentIndex(0);
    connect(formatList_, &QComboBox::currentIndexChanged, this, &CustomAreaPage::switchCodeFormat);

    const QString fontCaption = uiText(MessageId::CustomAreaFontLabel);
    fontList_ = named(new QComboBox(row), "customAreaFontList", fontCaption);
    const program::CustomAreaFontChoice fonts =
        program::customAreaFontChoice(platform::installedFonts(), gridFontOf(context()).toStdString());
    for (const std::string& name : fonts.names) fontList_->addItem(QString::fromStdString(name));
    fontList_->setCurrentIndex(fonts.selected);
    connect(fontList_, &QComboBox::textActivated, this, &CustomAreaPage::chooseFont);

    layout->addWidget(new QLabel(codeCaption, row));
    layout->addWidget(codeField_);
    layout->addWidget(new QLabel(formatCaption, row));
    layout->addWidget(formatList_);
    layout->addWidget(new QLabel(fontCaption, row));
    layout->addWidget(fontList_, 1);
    return row;
}

QWidget* CustomAreaPage::buildEntryGroup() {
    auto* group = new QGroupBox(uiText(MessageId::CodeValueGroup), this);
    auto* layout = new QVBoxLayout(group);

    auto* entryRow = new QHBoxLayout;
    const QString entryCaption = uiText(MessageId::CodeValueLabel);
    codeValueEdit_ = named(new QLineEdit(group), "codeValueEdit", entryCaption);
    codeValueEdit_->setMaxLength(static_cast<int>(program::kCodeEntryMaxLength));
    codeValueEdit_->setMaximumWidth(80);
    connect(codeValueEdit_, &QLineEdit::textChanged, this, &CustomAreaPage::enterCodeValue);

    const QString previewCaption = uiText(MessageId::CodeValuePreviewLabel);
    preview_ = named(new OneCellBox(BoxColour::Plain, group), "codeValuePreview", previewCaption);

    const QString buttonCaption = uiText(MessageId::CodeValueButton);
    codeValueButton_ = named(new QPushButton(buttonCaption, group), "codeValueButton", buttonCaption);
    connect(codeValueButton_, &QPushButton::clicked, this, &CustomAreaPage::outputEnteredCharacter);

    entryRow->addWidget(new QLabel(entryCaption, group));
    entryRow->addWidget(codeValueEdit_);
    entryRow->addWidget(new QLabel(previewCaption, group));
    entryRow->addWidget(preview_);
    entryRow->addWidget(codeValueButton_);
    entryRow->addStretch(1);
    layout->addLayout(entryRow);

    layout->addWidget(new QLabel(uiText(MessageId::CodeValueNoteLabel), group));
    layout->addWidget(new QLabel(uiText(MessageId::CodeValueNoteDigits), group));
    layout->addWidget(new QLabel(uiText(MessageId::CodeValueNoteGlyph), group));
    return group;
}

QWidget* CustomAreaPage::firstFocusWidget() { return grid_; }

void CustomAreaPage::applySettings() {
    CandidatePage::applySettings();
    QPalette palette = codeField_->palette();
    const tesvik::program::ColorRef colour = context().settings == nullptr ? 0 : context().settings->colors.gb13000Eudc;
    palette.setColor(QPalette::Text, qColorOf(colour));
    codeField_->setPalette(palette);
}

void CustomAreaPage::setNotifier(std::unique_ptr<PageNotifier> notifier) { notifier_ = std::move(notifier); }

void CustomAreaPage::showSelectedCode() {
    display_.showSelection(grid_->selectedValue());
    codeField_->setText(QString::fromStdString(display_.text()));
}

void CustomAreaPage::switchCodeFormat(int index) {
    display_.switchFormat(index == 1 ? chars::CodeFormat::Gb18030 : chars::CodeFormat::Unicode);
    codeField_->setText(QString::fromStdString(display_.text()));
}

void CustomAreaPage::chooseFont(const QString& family) {
    grid_->setGridFont(family);
    preview_->setAppearance({}, family);
}

void CustomAreaPage::enterCodeValue(const QString& typed) {
    // One byte per UTF-16 unit, as the entry counts them; anything beyond
    // Latin-1 reads as "?", which no code value starts with.
    const program::CodeEntryOutcome outcome = entry_.change(typed.toLatin1().toStdString());
    preview_->setValue(outcome.preview);
    if (!outcome.rejected) return;
    notifier_->show(tesvik::message(*outcome.rejected), PageNotifier::Icon::Information, inputErrorCaption());
    const QSignalBlocker guard(codeValueEdit_);
    codeValueEdit_->setText(QString::fromStdString(outcome.text));
}

void CustomAreaPage::outputEnteredCharacter() {
    const auto value = entry_.output();
    if (!value || context().output == nullptr) return;
    context().output->outputCharacter(*value);
}

}  // namespace tesvik::ui
