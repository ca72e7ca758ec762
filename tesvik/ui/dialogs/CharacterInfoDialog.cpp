#include "tesvik/ui/dialogs/CharacterInfoDialog.h"

#include "tesvik/program/CharacterInfoLines.h"
#include "tesvik/ui/widgets/UiText.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace tesvik::ui {

CharacterInfoDialog::CharacterInfoDialog(tesvik::lookup::CharacterDataFolders folders, QWidget* parent)
    : QDialog(parent), folders_(std::move(folders)), field_(new QLineEdit(this)) {
    setObjectName("characterInfoDialog");
    setWindowTitle(uiText(tesvik::MessageId::InfoWindowTitle));
    field_->setObjectName("characterInfoField");
    QFont large = field_->font();
    large.setPixelSize(24);
    field_->setFont(large);

    auto* column = new QVBoxLayout(this);
    auto* fieldLabel = new QLabel(uiText(tesvik::MessageId::InfoFieldLabel), this);
    fieldLabel->setBuddy(field_);
    column->addWidget(fieldLabel);
    column->addWidget(field_);
    auto* form = new QFormLayout;
    // The labels come from the lines of any character.
    for (const tesvik::program::InfoLine& line : tesvik::program::infoLines({})) {
        auto* value = new QLabel(this);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        value->setWordWrap(true);
        values_.push_back(value);
        form->addRow(uiText(line.label) + QStringLiteral(":"), value);
    }
    column->addLayout(form);
    column->addStretch(1);
    connect(field_, &QLineEdit::textChanged, this, &CharacterInfoDialog::describe);
    resize(420, 360);
}

void CharacterInfoDialog::describe(const QString& text) {
    const QByteArray utf8 = text.trimmed().toUtf8();
    const auto value = tesvik::lookup::firstCharacterOf(std::string_view(utf8.constData(), utf8.size()));
    if (!value) {
        for (QLabel* label : values_) label->clear();
        return;
    }
    const auto lines = tesvik::program::infoLines(tesvik::lookup::describeCharacter(*value, folders_));
    for (std::size_t i = 0; i < lines.size() && i < values_.size(); ++i)
        values_[i]->setText(QString::fromStdString(lines[i].text));
}

QStringList CharacterInfoDialog::shownLines() const {
    QStringList lines;
    for (const QLabel* label : values_) lines << label->text();
    return lines;
}

}  // namespace tesvik::ui
