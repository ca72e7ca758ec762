#pragma once
// Tesvik's main window: the page and command buttons, the pages, the tray
// icon, delivery of picked characters and the show/hide hot key. It never
// closes on its own: closing or minimising hides it, and only the tray's
// "退出" ends the program.
#include "platform/GlobalHotKey.h"
#include "platform/RegistryStore.h"
#include "platform/TargetDesktop.h"
#include "tesvik/shell/Autostart.h"
#include "tesvik/shell/CharacterOutput.h"
#include "tesvik/shell/HotKeyToggle.h"
#include "tesvik/shell/MainWindowLayout.h"
#include "tesvik/shell/OutputService.h"
#include "tesvik/shell/SettingsConfirmation.h"
#include "tesvik/ui/HelpLauncher.h"
#include "tesvik/ui/MainWindowParts.h"
#include "tesvik/ui/PageContext.h"

#include <QWidget>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QDialog;
class QLabel;
class QSocketNotifier;
class QTimer;

namespace tesvik::ui {

class PageButtonRow;
class PageContainer;
class TrayIcon;

using InformationBox = std::function<void(const QString& text)>;
using DialogRunner = std::function<int(QDialog& dialog)>;
using PageFactory = std::function<MadePage(tesvik::MainPage kind, const PageContext& context, QWidget* parent)>;

// What the main window works with. Registry and autostart are required; the
// rest may stay empty: no desktop means typing is impossible (characters are
// copied), no hot key means none is registered, and the hooks default to the
// real message boxes, modal dialogs, desktop handler and pages.
struct MainWindowServices {
    tesvik::TesvikDirectories directories;
    std::filesystem::path programPath;
    std::string application = "Tesvik";  // names the program's registry profile
    platform::RegistryStore* registry = nullptr;
    tesvik::AutostartEntry* autostart = nullptr;
    platform::TargetDesktop* desktop = nullptr;
    platform::GlobalHotKey* hotKey = nullptr;
    tesvik::ClipboardWriter* clipboard = nullptr;
    InformationBox inform;
    DialogRunner runDialog;
    UrlOpener openUrl;
    PageFactory makePage;
};

class MainWindow : public QWidget, public tesvik::CharacterOutput, public tesvik::HotKeyControl {
    Q_OBJECT
public:
    MainWindow(tesvik::Settings settings, MainWindowServices services, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Shows the window and then the start-up notices in information boxes;
    // hides it again when the settings ask for that.
    void startUp(bool hideAtStart, const std::vector<tesvik::Message>& notices);

    // CharacterOutput: the pages' picks.
    void outputCharacter(tesvik::PackedChar value) override;
    void copyCharacter(tesvik::PackedChar value) override;

    // HotKeyControl: the settings dialog changes the hot key through these.
    bool mainWindowFound() const override { return true; }
    void unregisterHotKey() override;
    bool registerHotKey(tesvik::HotKey hotKey) override;

    void carryOut(tesvik::TrayCommand command);
    void openSettings();
    void openHelp();
    void openAbout();
    // Ends the program: reports exitRequested once.
    void exitProgram();

    // Reads the hot key's presses and shows or hides the window for each.
    void takeHotKeyPresses();

    const tesvik::Settings& settings() const { return settings_; }
    const tesvik::MainWindowLayout& layout() const { return layout_; }
    PageContainer* pageContainer() const { return pages_; }
    PageButtonRow* buttonRow() const { return buttons_; }
    TrayIcon* trayIcon() const { return tray_; }
    QLabel* statusLabel() const { return status_; }
    tesvik::OutputService& outputService() { return *output_; }
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
    void pressButton(tesvik::MainButton which);
    void openRegistrationDialog(tesvik::MainButton which);
    void registerStartHotKey();
    void inform(const QString& text);
    int runDialog(QDialog& dialog);
    void showFromTray();

    tesvik::Settings settings_;
    MainWindowServices services_;
    tesvik::MainWindowLayout layout_;
    std::unique_ptr<tesvik::ClipboardWriter> ownClipboard_;
    std::unique_ptr<tesvik::OutputService> output_;
    PageContext context_;
    HelpLauncher help_;
    tesvik::HotKeyToggle toggle_;
    PageButtonRow* buttons_ = nullptr;
    PageContainer* pages_ = nullptr;
    QLabel* status_ = nullptr;
    TrayIcon* tray_ = nullptr;
    QTimer* foregroundTimer_ = nullptr;
    QSocketNotifier* hotKeyNotifier_ = nullptr;
    bool shownOnce_ = false;
    bool exiting_ = false;
};

}  // namespace tesvik::ui
