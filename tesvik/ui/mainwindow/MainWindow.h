#pragma once
// Tesvik's main window: the page and command buttons, the pages, the tray
// icon, delivery of picked characters and the show/hide hot key. It never
// closes on its own: closing or minimising hides it, and only the tray's
// "退出" ends the program.
#include "platform/GlobalHotKey.h"
#include "platform/InputMethodAddon.h"
#include "platform/RegistryStore.h"
#include "platform/TargetDesktop.h"
#include "tesvik/program/Autostart.h"
#include "tesvik/program/CharacterOutput.h"
#include "tesvik/program/HotKeyToggle.h"
#include "tesvik/program/MainWindowLayout.h"
#include "tesvik/program/OutputService.h"
#include "tesvik/program/PickDelivery.h"
#include "tesvik/program/SettingsConfirmation.h"
#include "tesvik/program/StandardCodeOutput.h"
#include "tesvik/ui/mainwindow/HelpLauncher.h"
#include "tesvik/ui/mainwindow/MainWindowParts.h"
#include "tesvik/ui/widgets/PageContext.h"

#include <QWidget>

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QDialog;
class QLabel;
class QShortcut;
class QSocketNotifier;
class QTimer;

namespace tesvik::ui {

class CharacterInfoDialog;
class PageButtonRow;
class RecentPicksRow;
class PageContainer;
class TrayIcon;

using InformationBox = std::function<void(const QString& text)>;
using DialogRunner = std::function<int(QDialog& dialog)>;
using PageFactory =
    std::function<MadePage(tesvik::program::MainPage kind, const PageContext& context, QWidget* parent)>;

// What the main window works with. Registry and autostart are required; the
// rest may stay empty: no desktop means typing is impossible (characters are
// copied), no hot key means none is grabbed, no addon means no input method
// takes the characters, and the hooks default to the real message boxes,
// modal dialogs, desktop handler and pages.
struct MainWindowServices {
    tesvik::program::TesvikDirectories directories;
    std::filesystem::path programPath;
    std::string application = "Tesvik";  // names the program's registry profile
    platform::RegistryStore* registry = nullptr;
    tesvik::program::AutostartEntry* autostart = nullptr;
    platform::TargetDesktop* desktop = nullptr;
    platform::GlobalHotKey* hotKey = nullptr;
    platform::InputMethodAddon* addon = nullptr;
    tesvik::program::ClipboardWriter* clipboard = nullptr;
    InformationBox inform;
    DialogRunner runDialog;
    UrlOpener openUrl;
    PageFactory makePage;
};

class MainWindow : public QWidget, public tesvik::program::CharacterOutput, public tesvik::program::HotKeyControl {
    Q_OBJECT
public:
    MainWindow(tesvik::program::Settings settings, MainWindowServices services, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Shows the window and then the start-up notices in information boxes;
    // hides it again when the settings ask for that.
    void startUp(bool hideAtStart, const std::vector<tesvik::Message>& notices);

    // CharacterOutput: the pages' picks.
    void outputCharacter(tesvik::chars::PackedChar value) override;
    void copyCharacter(tesvik::chars::PackedChar value) override;
    void copyText(const std::string& utf8) override;

    // HotKeyControl: the settings dialog changes the hot key through these.
    bool mainWindowFound() const override { return true; }
    void unregisterHotKey() override;
    bool registerHotKey(tesvik::program::HotKey hotKey) override;

    void carryOut(tesvik::program::TrayCommand command);
    void openSettings();
    void openHelp();
    void openAbout();
    void openCharacterInfo();  // "字符信息", beside the recent row
    // Ends the program: reports exitRequested once.
    void exitProgram();

    // Reads the hot key's presses and shows or hides the window for each.
    void takeHotKeyPresses();
    // Reads what the input method's addon reported: finished commits, hot
    // key presses, a restart.
    void takeAddonEvents();

    const tesvik::program::Settings& settings() const { return settings_; }
    const tesvik::program::MainWindowLayout& layout() const { return layout_; }
    PageContainer* pageContainer() const { return pages_; }
    PageButtonRow* buttonRow() const { return buttons_; }
    TrayIcon* trayIcon() const { return tray_; }
    QLabel* statusLabel() const { return status_; }
    RecentPicksRow* recentRow() const { return recent_; }
    CharacterInfoDialog* characterInfo() const { return info_; }
    tesvik::program::OutputService& outputService() { return *output_; }
    bool hotKeyToggleSet() const { return toggle_.isSet(); }
    bool exiting() const { return exiting_; }

public slots:
    void showPage(int index);

signals:
    void exitRequested();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void buildButtons();
    void buildPages();
    void connectPages();
    void pressButton(tesvik::program::MainButton which);
    void openRegistrationDialog(tesvik::program::MainButton which);
    void registerStartHotKey();
    void inform(const QString& text);
    int runDialog(QDialog& dialog);
    void showFromTray();
    void toggleByHotKey(int presses);
    bool setAddonHotKey(int vk, int flag);
    void setOwnHotKey(int vk, int flag);
    void commitOnceFocusIsGone();
    void showNotice(const std::optional<tesvik::MessageId>& notice);

    tesvik::program::Settings settings_;
    MainWindowServices services_;
    tesvik::program::MainWindowLayout layout_;
    std::unique_ptr<tesvik::program::ClipboardWriter> ownClipboard_;
    std::unique_ptr<tesvik::program::OutputService> output_;
    std::unique_ptr<tesvik::program::PickDelivery> delivery_;
    tesvik::program::StandardCodeOutput standardCodeOutput_{*this, settings_};  // what the pages output to
    PageContext context_;
    HelpLauncher help_;
    tesvik::program::HotKeyToggle toggle_;
    PageButtonRow* buttons_ = nullptr;
    PageContainer* pages_ = nullptr;
    QLabel* status_ = nullptr;
    RecentPicksRow* recent_ = nullptr;
    CharacterInfoDialog* info_ = nullptr;
    TrayIcon* tray_ = nullptr;
    QTimer* foregroundTimer_ = nullptr;
    QSocketNotifier* hotKeyNotifier_ = nullptr;
    QSocketNotifier* addonNotifier_ = nullptr;
    QShortcut* ownHotKey_ = nullptr;
    QTimer* focusLossWait_ = nullptr;
    int focusLossChecks_ = 0;
    bool shownOnce_ = false;
    bool exiting_ = false;
};

}  // namespace tesvik::ui
