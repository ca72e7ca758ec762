#include "tesvik/ui/dialogs/SettingsDialog.h"

#include "platform/FontconfigFonts.h"
#include "tesvik/messages/Messages.h"
#include "tesvik/program/SettingsFontChoices.h"
#include "tesvik/ui/widgets/ColourSample.h"
#include "tesvik/ui/widgets/HotKeyEdit.h"
#include "tesvik/ui/widgets/UiText.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QFormLayout>
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

using tesvik::MessageId;

struct ColourRowLayout {
    tesvik::program::ColorRef tesvik::program::CodeSpaceColors::*colour;
    MessageId label;
    const char* name;  // object names: <name>ColourSample, <name>ColourButton
};

constexpr std::array<ColourRowLayout, 6> kColourRows = {{
    {&tesvik::program::CodeSpaceColors::gbk, MessageId::SettingsGbkColourLabel, "gbk"},
    {&tesvik::program::CodeSpaceColors::gbkEudc, MessageId::SettingsGbkEudcColourLabel, "gbkEudc"},
    {&tesvik::program::CodeSpaceColors::gb13000Eudc, MessageId::SettingsGb13000EudcColourLabel, "gb13000Eudc"},
    {&tesvik::program::CodeSpaceColors::cjkExtensionA, MessageId::SettingsCjkExtensionAColourLabel, "cjkExtensionA"},
    {&tesvik::program::CodeSpaceColors::cjkExtensionsBToE, MessageId::SettingsCjkExtensionsBToEColourLabel,
     "cjkExtensionsBToE"},
    {&tesvik::program::CodeSpaceColors::radicals, MessageId::SettingsRadicalsColourLabel, "radicals"},
}};

// The main window as the dialog sees it when it has none to talk to.
class LostMainWindow final : public tesvik::program::HotKeyControl {
public:
    bool mainWindowFound() const override { return false; }
    void unregisterHotKey() override {}
    bool registerHotKey(tesvik::program::HotKey) override { return false; }
};

std::optional<QColor> askForColour(QWidget* parent, const QColor& initial) {
    const QColor chosen = QColorDialog::getColor(initial, parent);
    if (!chosen.isValid()) return std::nullopt;
    return chosen;
}

QCheckBox* checkBox(MessageId caption, const char* name, QWidget* parent) {
    auto* box = new QCheckBox(uiText(caption), parent);
    box->setObjectName(QLatin1String(name));
    box->setAccessibleName(box->text());
    return box;
}

QPushButton* pushButton(MessageId caption, const char* name, QWidget* parent) {
    auto* button = new QPushButton(uiText(caption), parent);
    button->setObjectName(QLatin1String(name));
    button->setAccessibleName(button->text());
    button->setAutoDefault(false);
    return button;
}

// Errors in what the user typed carry the input-error caption.
MessageId captionOf(MessageId message) {
    switch (message) {
        case MessageId::LostContactWithMainWindow:
        case MessageId::HotKeyRegistrationFailed:
        case MessageId::SettingsNotStored:
            return MessageId::MainWindowCaption;
        default:
            return MessageId::InputErrorCaption;
    }
}

}  // namespace

SettingsDialog::SettingsDialog(const tesvik::program::Settings& current, tesvik::program::SettingsStoreTargets stores,
                               tesvik::program::HotKeyControl* hotKeys, tesvik::program::AutostartEntry& autostart,
                               QWidget* parent)
    : QDialog(parent),
      current_(current),
      stores_(std::move(stores)),
      hotKeys_(hotKeys),
      autostart_(autostart),
      notifier_(messageBoxNotifier(this)),
      chooseColour_(askForColour) {
    setObjectName(QStringLiteral("settingsDialog"));
    setWindowTitle(uiText(MessageId::SettingsDialogTitle));
    setAccessibleName(windowTitle());
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildColourRows());
    layout->addWidget(buildFields());
    layout->addWidget(buildSwitches());
    layout->addWidget(buildButtons());
    loadValues();
}

QWidget* SettingsDialog::buildColourRows() {
    auto* group = new QGroupBox(uiText(MessageId::SettingsColoursGroup), this);
    group->setObjectName(QStringLiteral("coloursGroup"));
    auto* grid = new QGridLayout(group);
    for (std::size_t i = 0; i < kColourRows.size(); ++i) {
        const ColourRowLayout& layout = kColourRows[i];
        ColourRow& row = colourRows_[i];
        const int r = static_cast<int>(i);
        auto* label = new QLabel(uiText(layout.label), group);
        row.sample = new ColourSample(group);
        row.sample->setObjectName(QLatin1String(layout.name) + QStringLiteral("ColourSample"));
        row.sample->setAccessibleName(label->text());
        row.button = pushButton(MessageId::SettingsChangeColourButton, "", group);
        row.button->setObjectName(QLatin1String(layout.name) + QStringLiteral("ColourButton"));
        row.button->setAccessibleDescription(label->text());
        grid->addWidget(label, r, 0);
        grid->addWidget(row.sample, r, 1);
        grid->addWidget(row.button, r, 2);
        connect(row.button, &QPushButton::clicked, this, [this, i] { changeColour(colourRows_[i]); });
    }
    return group;
}

QWidget* SettingsDialog::buildFields() {
    auto* fields = new QWidget(this);
    auto* form = new QFormLayout(fields);
    form->setContentsMargins(0, 0, 0, 0);

    strokeKeysEdit_ = new QLineEdit(fields);
    strokeKeysEdit_->setObjectName(QStringLiteral("strokeKeysEdit"));
    strokeKeysEdit_->setMaxLength(static_cast<int>(tesvik::program::kMaxSettingText));
    strokeKeysEdit_->setAccessibleName(uiText(MessageId::SettingsStrokeKeysLabel));
    connect(strokeKeysEdit_, &QLineEdit::textEdited, this, [this] { checkStrokeKeys(); });
    form->addRow(uiText(MessageId::SettingsStrokeKeysLabel), strokeKeysEdit_);

    fontList_ = new QComboBox(fields);
    fontList_->setObjectName(QStringLiteral("fontList"));
    fontList_->setAccessibleName(uiText(MessageId::SettingsFontLabel));
    form->addRow(uiText(MessageId::SettingsFontLabel), fontList_);

    hotKeyEdit_ = new HotKeyEdit(fields);
    hotKeyEdit_->setObjectName(QStringLiteral("hotKeyEdit"));
    hotKeyEdit_->setAccessibleName(uiText(MessageId::SettingsHotKeyLabel));
    form->addRow(uiText(MessageId::SettingsHotKeyLabel), hotKeyEdit_);
    return fields;
}

QWidget* SettingsDialog::buildSwitches() {
    auto* switches = new QWidget(this);
    auto* column = new QVBoxLayout(switches);
    column->setContentsMargins(0, 0, 0, 0);
    autoMinimizeCheck_ = checkBox(MessageId::SettingsAutoMinimizeCheck, "autoMinimizeCheck", switches);
    hideCheck_ = checkBox(MessageId::SettingsHideAfterOutputCheck, "hideCheck", switches);
    autostartCheck_ = checkBox(MessageId::SettingsAutostartCheck, "autostartCheck", switches);
    showAllPagesCheck_ = checkBox(MessageId::SettingsShowAllPagesCheck, "showAllPagesCheck", switches);
    standardCodeCheck_ = checkBox(MessageId::SettingsStandardCodeCheck, "standardCodeCheck", switches);
    hideUndrawableCheck_ = checkBox(MessageId::HideUndrawableCheckBox, "hideUndrawableCheck", switches);
    for (QCheckBox* box :
         {autoMinimizeCheck_, hideCheck_, autostartCheck_, showAllPagesCheck_, standardCodeCheck_, hideUndrawableCheck_})
        column->addWidget(box);

    connect(autoMinimizeCheck_, &QCheckBox::clicked, this,
            [this] { writeProfileSwitch(autoMinimizeCheck_, tesvik::program::ProfileValue::AutoMinimize); });
    connect(hideCheck_, &QCheckBox::clicked, this,
            [this] { writeProfileSwitch(hideCheck_, tesvik::program::ProfileValue::Hide); });
    connect(autostartCheck_, &QCheckBox::clicked, this, [this](bool checked) { switchAutostart(checked); });
    return switches;
}

QWidget* SettingsDialog::buildButtons() {
    auto* buttons = new QWidget(this);
    auto* row = new QHBoxLayout(buttons);
    row->setContentsMargins(0, 0, 0, 0);
    confirmButton_ = pushButton(MessageId::SettingsConfirmButton, "confirmButton", buttons);
    confirmButton_->setDefault(true);
    cancelButton_ = pushButton(MessageId::SettingsCancelButton, "cancelButton", buttons);
    row->addStretch();
    row->addWidget(confirmButton_);
    row->addWidget(cancelButton_);
    connect(confirmButton_, &QPushButton::clicked, this, [this] { confirm(); });
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
    return buttons;
}

void SettingsDialog::loadValues() {
    const auto& app = stores_.application;
    autoMinimizeCheck_->setChecked(
        program::readProfileInt(stores_.registry, app, tesvik::program::ProfileValue::AutoMinimize, 1) != 0);
    hideCheck_->setChecked(program::readProfileInt(stores_.registry, app, tesvik::program::ProfileValue::Hide, 1) != 0);
    autostartCheck_->setChecked(autostart_.isEnabled());
    showAllPagesCheck_->setChecked(current_.showAllPages != 0);
    standardCodeCheck_->setChecked(current_.standardCode != 0);
    hideUndrawableCheck_->setChecked(current_.hideUndrawable != 0);
    hotKeyEdit_->setHotKey(
        {static_cast<std::uint8_t>(current_.vk & 0xFF), static_cast<std::uint8_t>(current_.flag & 0xFF)});
    for (std::size_t i = 0; i < kColourRows.size(); ++i) {
        colourRows_[i].sample->setColour(current_.colors.*kColourRows[i].colour);
    }
    strokeKeysEdit_->setText(QString::fromStdString(current_.strokeKeys));
    const auto drawsIdeographs = platform::cjkIdeographFamilyCheck();
    for (const std::string& name : tesvik::program::settingsFontChoices(current_, drawsIdeographs))
        fontList_->addItem(QString::fromStdString(name));
    fontList_->setCurrentIndex(fontList_->count() > 0 ? 0 : -1);
}

void SettingsDialog::changeColour(ColourRow& row) {
    if (auto chosen = chooseColour_(this, qColorOf(row.sample->colour()))) row.sample->setColour(colorRefOf(*chosen));
}

void SettingsDialog::writeProfileSwitch(QCheckBox* box, tesvik::program::ProfileValue value) {
    if (program::writeProfileInt(stores_.registry, stores_.application, value, box->isChecked() ? 1 : 0)) return;
    // Not stored: the box keeps showing what is in force.
    const QSignalBlocker quiet(box);
    box->setChecked(!box->isChecked());
}

void SettingsDialog::switchAutostart(bool enabled) {
    if (enabled) {
        autostart_.enable();
    } else {
        autostart_.disable();
    }
    const QSignalBlocker quiet(autostartCheck_);
    autostartCheck_->setChecked(autostart_.isEnabled());
}

void SettingsDialog::checkStrokeKeys() {
    if (auto refused = tesvik::program::checkStrokeKeyCharacters(strokeKeysEdit_->text().toStdString())) {
        inform(MessageId::InputErrorCaption, refused->message);
        selectStrokeKey(refused->byteOffset, refused->byteLength);
    }
}

tesvik::program::SettingsDialogInput SettingsDialog::input() const {
    tesvik::program::SettingsDialogInput input;
    input.hotKey = hotKeyEdit_->hotKey();
    input.strokeKeys = strokeKeysEdit_->text().toStdString();
    for (std::size_t i = 0; i < kColourRows.size(); ++i) {
        input.colors.*kColourRows[i].colour = colourRows_[i].sample->colour();
    }
    input.autoMinimize = autoMinimizeCheck_->isChecked() ? 1 : 0;
    input.hide = hideCheck_->isChecked() ? 1 : 0;
    input.fontName = fontList_->currentText().toStdString();
    input.showAllPages = showAllPagesCheck_->isChecked() ? 1 : 0;
    input.standardCode = standardCodeCheck_->isChecked() ? 1 : 0;
    input.hideUndrawable = hideUndrawableCheck_->isChecked() ? 1 : 0;
    return input;
}

void SettingsDialog::confirm() {
    LostMainWindow lost;
    tesvik::program::HotKeyControl& hotKeys = hotKeys_ != nullptr ? *hotKeys_ : lost;
    auto outcome = tesvik::program::confirmSettings(input(), current_, hotKeys, stores_);
    if (!outcome) {
        showRefusal(outcome.error());
        return;
    }
    confirmed_ = outcome->settings;
    confirmed_->autostart = autostart_.isEnabled();
    current_ = *confirmed_;
    for (const tesvik::Message& notice : outcome->notices) {
        if (notice.id == MessageId::SettingsChanged && outcome->storeProblem) {
            inform(MessageId::MainWindowCaption,
                   tesvik::message(MessageId::SettingsNotStored, "", "\n" + *outcome->storeProblem));
        } else {
            inform(captionOf(notice.id), notice);
        }
    }
    accept();
}

void SettingsDialog::showRefusal(const tesvik::program::SettingsRefusal& refusal) {
    inform(captionOf(refusal.message.id), refusal.message);
    if (refusal.selection) {
        selectStrokeKey(refusal.selection->byteOffset, refusal.selection->byteLength);
    } else if (refusal.focus == tesvik::program::SettingsField::StrokeKeys) {
        strokeKeysEdit_->setFocus();
    } else if (refusal.focus == tesvik::program::SettingsField::HotKey) {
        hotKeyEdit_->setFocus();
    }
}

void SettingsDialog::selectStrokeKey(std::size_t byteOffset, std::size_t byteLength) {
    const std::string keys = strokeKeysEdit_->text().toStdString();
    const auto start = QString::fromUtf8(keys.data(), static_cast<qsizetype>(byteOffset)).size();
    const auto length = QString::fromUtf8(keys.data() + byteOffset, static_cast<qsizetype>(byteLength)).size();
    strokeKeysEdit_->setFocus();
    strokeKeysEdit_->setSelection(static_cast<int>(start), static_cast<int>(length));
}

void SettingsDialog::inform(MessageId caption, const tesvik::Message& message) {
    notifier_->show(message, PageNotifier::Icon::Information, uiText(caption));
}

}  // namespace tesvik::ui
