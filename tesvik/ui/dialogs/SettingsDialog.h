#pragma once

#include "tesvik/program/Autostart.h"
#include "tesvik/program/ProfileRegistry.h"
#include "tesvik/program/Settings.h"
#include "tesvik/program/SettingsConfirmation.h"
#include "tesvik/ui/widgets/PageNotifier.h"

#include <QColor>
#include <QDialog>
#include <QString>
#include <array>
#include <functional>
#include <memory>
#include <optional>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace tesvik::ui {

class ColourSample;
class HotKeyEdit;

// The user settings dialog: colours, stroke keys, font, show/hide hot key and
// the start-up switches. The registry switches and the autostart entry change
// at each click; everything else is stored when the dialog is confirmed.
class SettingsDialog : public QDialog {
    Q_OBJECT
public:
    // Asks for a colour starting from the given one; none when cancelled.
    using ColourChooser = std::function<std::optional<QColor>(QWidget*, const QColor&)>;

    SettingsDialog(const tesvik::program::Settings& current, tesvik::program::SettingsStoreTargets stores,
                   tesvik::program::HotKeyControl* hotKeys /* null: main window lost */,
                   tesvik::program::AutostartEntry& autostart, QWidget* parent = nullptr);

    std::optional<tesvik::program::Settings> confirmedSettings() const { return confirmed_; }

    // Replaces the message boxes (tests record instead).
    void setNotifier(std::unique_ptr<PageNotifier> notifier) { notifier_ = std::move(notifier); }
    void setColourChooser(ColourChooser chooser) { chooseColour_ = std::move(chooser); }

private:
    struct ColourRow {
        ColourSample* sample = nullptr;
        QPushButton* button = nullptr;
    };

    QWidget* buildColourRows();
    QWidget* buildFields();
    QWidget* buildSwitches();
    QWidget* buildButtons();
    void loadValues();

    void changeColour(ColourRow& row);
    void writeProfileSwitch(QCheckBox* box, tesvik::program::ProfileValue value);
    void switchAutostart(bool enabled);
    void checkStrokeKeys();
    void confirm();
    tesvik::program::SettingsDialogInput input() const;
    void showRefusal(const tesvik::program::SettingsRefusal& refusal);
    void selectStrokeKey(std::size_t byteOffset, std::size_t byteLength);
    void inform(tesvik::MessageId caption, const tesvik::Message& message);

    tesvik::program::Settings current_;
    tesvik::program::SettingsStoreTargets stores_;
    tesvik::program::HotKeyControl* hotKeys_;
    tesvik::program::AutostartEntry& autostart_;
    std::optional<tesvik::program::Settings> confirmed_;
    std::unique_ptr<PageNotifier> notifier_;
    ColourChooser chooseColour_;

    std::array<ColourRow, 6> colourRows_{};
    QLineEdit* strokeKeysEdit_ = nullptr;
    QComboBox* fontList_ = nullptr;
    HotKeyEdit* hotKeyEdit_ = nullptr;
    QCheckBox* autoMinimizeCheck_ = nullptr;
    QCheckBox* hideCheck_ = nullptr;
    QCheckBox* autostartCheck_ = nullptr;
    QCheckBox* showAllPagesCheck_ = nullptr;
    QCheckBox* standardCodeCheck_ = nullptr;
    QCheckBox* hideUndrawableCheck_ = nullptr;
    QPushButton* confirmButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};

}  // namespace tesvik::ui
