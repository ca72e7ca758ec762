#include "tesvik/ui/dialogs/StrokeRegistrationDialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <filesystem>
#include <system_error>

#include "tesvik/lookup/files/UserCode.h"
#include "tesvik/lookup/stroke/StrokePageInput.h"
#include "tesvik/lookup/stroke/UserStrokeFields.h"
#include "tesvik/program/Settings.h"
#include "tesvik/ui/widgets/CaptionLabel.h"
#include "tesvik/ui/widgets/OneCellBox.h"
#include "tesvik/ui/widgets/StrokeButtons.h"
#include "tesvik/ui/widgets/UiText.h"

namespace tesvik::ui {
namespace {

using tesvik::MessageId;

QPushButton* commandButton(MessageId caption, const char* objectName) {
    auto* button = new QPushButton(uiText(caption));
    button->setObjectName(QString::fromLatin1(objectName));
    button->setAccessibleName(button->text());
    button->setAutoDefault(false);
    return button;
}

}  // namespace

StrokeRegistrationDialog::StrokeRegistrationDialog(PageContext context, QWidget* parent)
    : QDialog(parent), context_(std::move(context)), notifier_(messageBoxNotifier(this)) {
    setObjectName(QStringLiteral("strokeRegistrationDialog"));
    setWindowTitle(uiText(MessageId::StrokeRegistrationTitle));
    setAccessibleName(windowTitle());
    setModal(true);
    buildControls();
}

StrokeRegistrationDialog::~StrokeRegistrationDialog() = default;

void StrokeRegistrationDialog::buildControls() {
    code_ = new QLineEdit;
    code_->setObjectName(QStringLiteral("strokeRegistrationCodeEdit"));
    connect(code_, &QLineEdit::textEdited, this, [this](const QString& text) { codeEdited(text); });

    preview_ = new OneCellBox(BoxColour::Plain);
    preview_->setObjectName(QStringLiteral("strokeRegistrationPreview"));
    if (context_.settings != nullptr) {
        preview_->setAppearance(context_.settings->colors, QString::fromLatin1(PreviewFontFamily));
    }

    auto* codeStep = new QGroupBox(uiText(MessageId::StrokeRegistrationCodeStep));
    auto* codeLayout = new QHBoxLayout(codeStep);
    codeLayout->addWidget(captionFor(MessageId::StrokeRegistrationCodeLabel, code_));
    codeLayout->addWidget(code_);
    codeLayout->addWidget(captionFor(MessageId::StrokeRegistrationPreviewLabel, preview_));
    codeLayout->addWidget(preview_);

    total_ = new QLineEdit(lastTotal_);
    total_->setObjectName(QStringLiteral("strokeRegistrationTotalEdit"));
    connect(total_, &QLineEdit::textEdited, this, [this](const QString& text) { totalEdited(text); });

    strokeField_ = new QLineEdit;
    strokeField_->setObjectName(QStringLiteral("strokeRegistrationStrokesEdit"));
    strokeField_->setReadOnly(true);

    auto* buttons = new StrokeButtons(QStringLiteral("strokeRegistration"));
    connect(buttons, &StrokeButtons::strokePressed, this, &StrokeRegistrationDialog::pressStroke);
    connect(buttons, &StrokeButtons::backPressed, this, &StrokeRegistrationDialog::removeStroke);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addWidget(buttons);
    buttonRow->addStretch();

    auto* strokeStep = new QGroupBox(uiText(MessageId::StrokeRegistrationStrokeStep));
    auto* strokeLayout = new QGridLayout(strokeStep);
    strokeLayout->addWidget(captionFor(MessageId::StrokeTotalCaption, total_), 0, 0);
    strokeLayout->addWidget(total_, 0, 1);
    strokeLayout->addWidget(captionFor(MessageId::StrokeRegistrationStrokesLabel, strokeField_), 1, 0);
    strokeLayout->addWidget(strokeField_, 1, 1);
    strokeLayout->addLayout(buttonRow, 2, 1);

    add_ = commandButton(MessageId::StrokeRegistrationAdd, "strokeRegistrationAddButton");
    add_->setDefault(true);
    modify_ = commandButton(MessageId::StrokeRegistrationModify, "strokeRegistrationModifyButton");
    delete_ = commandButton(MessageId::StrokeRegistrationDelete, "strokeRegistrationDeleteButton");
    close_ = commandButton(MessageId::StrokeRegistrationClose, "strokeRegistrationCloseButton");
    connect(add_, &QPushButton::clicked, this, [this] { run(Operation::Add); });
    connect(modify_, &QPushButton::clicked, this, [this] { run(Operation::Modify); });
    connect(delete_, &QPushButton::clicked, this, [this] { run(Operation::Delete); });
    connect(close_, &QPushButton::clicked, this, &QDialog::reject);

    auto* commands = new QHBoxLayout;
    commands->addStretch();
    for (QPushButton* button : {add_, modify_, delete_, close_}) commands->addWidget(button);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(codeStep);
    layout->addWidget(strokeStep);
    layout->addLayout(commands);
}

void StrokeRegistrationDialog::setNotifier(std::unique_ptr<PageNotifier> notifier) { notifier_ = std::move(notifier); }

std::uint32_t StrokeRegistrationDialog::previewValue() const { return preview_->value(); }

void StrokeRegistrationDialog::codeEdited(const QString& text) {
    const auto code = tesvik::lookup::checkCodeTextEdit(text.toStdString());
    if (!code) {
        code_->setText(lastCode_);
        notify(code.error(), PageNotifier::Icon::Information);
        return;
    }
    if (!code->has_value()) return;  // still typing
    preview_->setValue(**code);
    lastCode_ = text;
}

void StrokeRegistrationDialog::totalEdited(const QString& text) {
    if (const auto total = tesvik::lookup::checkTotalEdit(text.toStdString()); !total) {
        total_->setText(lastTotal_);
        notify(total.error(), PageNotifier::Icon::Information);
        return;
    }
    lastTotal_ = text;
}

void StrokeRegistrationDialog::pressStroke(char digit) {
    if (const auto pressed = tesvik::lookup::pressStrokeButton(strokes_, digit); !pressed) {
        notify(pressed.error(), PageNotifier::Icon::Information);
        return;
    }
    showStrokes();
}

void StrokeRegistrationDialog::removeStroke() {
    tesvik::lookup::removeLastStroke(strokes_);
    showStrokes();
}

void StrokeRegistrationDialog::showStrokes() {
    strokeField_->setText(QString::fromUtf8(tesvik::lookup::strokeGlyphs(strokes_)));
}

void StrokeRegistrationDialog::run(Operation operation) {
    const std::string codeText = code_->text().toStdString();
    if (const auto code = tesvik::lookup::parseCode(codeText)) preview_->setValue(*code);

    const auto checked = tesvik::lookup::checkUserStrokeFields({codeText, total_->text().toStdString(), strokes_});
    if (!checked) {
        notify(checked.error().message,
               operation == Operation::Add ? PageNotifier::Icon::Warning : PageNotifier::Icon::Information);
        if (checked.error().focus == tesvik::lookup::FieldFocus::CodeField) code_->setFocus();
        if (checked.error().focus == tesvik::lookup::FieldFocus::TotalField) total_->setFocus();
        return;
    }

    // A fresh user folder may not exist yet; the table is created inside it.
    std::error_code ignored;
    std::filesystem::create_directories(context_.directories.user, ignored);

    const tesvik::lookup::ConfirmQuestion confirm = [this](const tesvik::Message& question,
                                                           const tesvik::Message& caption) {
        return notifier_->ask(question, caption);
    };
    const tesvik::lookup::UserTableEdit change =
        operation == Operation::Add ? tesvik::lookup::addStrokeEntry(context_.directories.user, *checked)
        : operation == Operation::Modify
            ? tesvik::lookup::modifyStrokeEntry(context_.directories.user, *checked, confirm)
            : tesvik::lookup::deleteStrokeEntry(context_.directories.user, checked->code, confirm);
    if (!change) {
        for (const tesvik::Message& refusal : change.error()) {
            const bool warning = refusal.id == MessageId::CodeAlreadyExists;
            notify(refusal, warning ? PageNotifier::Icon::Warning : PageNotifier::Icon::Information);
        }
        return;
    }
    if (!change->has_value()) return;  // the user answered no
    clearFields();
    notify(**change, PageNotifier::Icon::Information);
}

void StrokeRegistrationDialog::clearFields() {
    code_->clear();
    lastCode_.clear();
    total_->setText(QStringLiteral("1"));
    lastTotal_ = total_->text();
    strokes_.clear();
    showStrokes();
}

void StrokeRegistrationDialog::notify(const tesvik::Message& message, PageNotifier::Icon icon) {
    notifier_->show(message, icon);
}

}  // namespace tesvik::ui
