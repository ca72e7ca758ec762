#include "tesvik/ui/mainwindow/MainWindow.h"

#include "tesvik/messages/Messages.h"
#include "tesvik/program/InputMethodHotKey.h"
#include "tesvik/program/SettingsChecks.h"
#include "tesvik/program/RecentPicksFile.h"
#include "tesvik/program/TesvikDirectories.h"
#include "tesvik/ui/dialogs/CharacterInfoDialog.h"
#include "tesvik/ui/mainwindow/PageButtonRow.h"
#include "tesvik/ui/mainwindow/PageContainer.h"
#include "tesvik/ui/mainwindow/QtClipboardWriter.h"
#include "tesvik/ui/mainwindow/TrayIcon.h"
#include "tesvik/ui/pages/RecentPicksRow.h"
#include "tesvik/ui/widgets/UiText.h"

#include <QCloseEvent>
#include <QDialog>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QSocketNotifier>
#include <QTimer>
#include <QVBoxLayout>

namespace tesvik::ui {

namespace {

constexpr int kForegroundPeriodMs = 250;
// After hiding for a commit through the input method: how often and how
// long to wait for the focus to leave the main window. Past that the commit
// goes out anyway; the addon keeps it for the next program's field.
constexpr int kFocusLossCheckMs = 10;
constexpr int kFocusLossChecks = 100;

}  // namespace

MainWindow::MainWindow(tesvik::program::Settings settings, MainWindowServices services, QWidget* parent)
    : QWidget(parent),
      settings_(std::move(settings)),
      services_(std::move(services)),
      layout_(tesvik::program::mainWindowLayout(settings_.showAllPages != 0)),
      help_(services_.directories, services_.programPath,
            services_.openUrl ? services_.openUrl : UrlOpener(openWithDesktop)) {
    setObjectName(QStringLiteral("tesvikMainWindow"));
    setWindowTitle(uiText(tesvik::MessageId::MainWindowCaption));
    setWindowIcon(programIcon());
    setAttribute(Qt::WA_QuitOnClose, false);

    if (services_.clipboard == nullptr) {
        ownClipboard_ = std::make_unique<QtClipboardWriter>();
        services_.clipboard = ownClipboard_.get();
    }
    output_ = std::make_unique<tesvik::program::OutputService>(services_.desktop, *services_.registry,
                                                               *services_.clipboard, services_.application);
    delivery_ = std::make_unique<tesvik::program::PickDelivery>(*output_, services_.addon);
    context_.settings = &settings_;
    context_.directories = services_.directories;
    context_.output = &standardCodeOutput_;

    registerStartHotKey();

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(4, 4, 4, 4);
    column->setSpacing(2);
    buttons_ = new PageButtonRow(layout_, this);
    column->addWidget(buttons_);
    auto* recentLine = new QHBoxLayout;
    recent_ = new RecentPicksRow(context_, tesvik::program::recentPicksFile(services_.directories.user), this);
    recentLine->addWidget(recent_, 1);
    auto* infoButton = new QPushButton(uiText(tesvik::MessageId::InfoButton), this);
    infoButton->setObjectName("characterInfoButton");
    infoButton->setToolTip(QStringLiteral("Ctrl+I"));
    connect(infoButton, &QPushButton::clicked, this, &MainWindow::openCharacterInfo);
    recentLine->addWidget(infoButton);
    column->addLayout(recentLine);
    pages_ = new PageContainer(this);
    column->addWidget(pages_, 1);
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("outputStatusLabel"));
    status_->setWordWrap(true);
    column->addWidget(status_);

    buildPages();
    connect(buttons_, &PageButtonRow::buttonClicked, this, &MainWindow::pressButton);
    connect(pages_, &PageContainer::pageShown, this,
            [this](int index) { buttons_->highlight(tesvik::program::buttonOfPage(layout_, index)); });
    showPage(0);

    tray_ = new TrayIcon(this);
    connect(tray_, &TrayIcon::commandChosen, this, &MainWindow::carryOut);
    tray_->show();

    output_->setOwnWindow(static_cast<platform::WindowId>(winId()));
    foregroundTimer_ = new QTimer(this);
    foregroundTimer_->setInterval(kForegroundPeriodMs);
    connect(foregroundTimer_, &QTimer::timeout, this, [this] {
        output_->trackForeground();
        takeAddonEvents();
    });
    foregroundTimer_->start();
    focusLossWait_ = new QTimer(this);
    focusLossWait_->setInterval(kFocusLossCheckMs);
    connect(focusLossWait_, &QTimer::timeout, this, &MainWindow::commitOnceFocusIsGone);

    if (services_.hotKey != nullptr && services_.hotKey->eventDescriptor() >= 0) {
        hotKeyNotifier_ = new QSocketNotifier(services_.hotKey->eventDescriptor(), QSocketNotifier::Read, this);
        connect(hotKeyNotifier_, &QSocketNotifier::activated, this, &MainWindow::takeHotKeyPresses);
    }
    if (services_.addon != nullptr && services_.addon->eventDescriptor() >= 0) {
        addonNotifier_ = new QSocketNotifier(services_.addon->eventDescriptor(), QSocketNotifier::Read, this);
        connect(addonNotifier_, &QSocketNotifier::activated, this, &MainWindow::takeAddonEvents);
    }

    // Where no grab reaches (Wayland), the hot key typed into Tesvik itself
    // reaches the window as a plain key: it hides it.
    ownHotKey_ = new QShortcut(this);
    connect(ownHotKey_, &QShortcut::activated, this, [this] { toggleByHotKey(1); });
    setOwnHotKey(settings_.vk, settings_.flag);

    auto* helpKey = new QShortcut(QKeySequence::HelpContents, this);
    connect(helpKey, &QShortcut::activated, this, &MainWindow::openHelp);
    auto* infoKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_I), this);
    connect(infoKey, &QShortcut::activated, this, &MainWindow::openCharacterInfo);

    // A window of one size: it can be minimised and closed, never
    // maximised or resized.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(sizeHint().expandedTo(QSize(540, 430)));
}

MainWindow::~MainWindow() {
    if (services_.hotKey != nullptr) services_.hotKey->ungrab();
}

void MainWindow::buildPages() {
    const PageFactory make = services_.makePage ? services_.makePage : PageFactory(makeProgramPage);
    for (tesvik::program::MainPage kind : layout_.pages) {
        MadePage page = make(kind, context_, pages_);
        pages_->addPage(page.widget, std::move(page.firstFocus));
    }
    connectPages();
}

// Pages may ask for another page (the radical directory hands a radical to
// the radical lookup and asks for that page).
void MainWindow::connectPages() {
    std::vector<QWidget*> all;
    for (int i = 0; i < pages_->count(); ++i) {
        QWidget* page = pages_->page(i);
        all.push_back(page);
        if (page->metaObject()->indexOfSignal("requestPage(int)") >= 0) {
            connect(page, SIGNAL(requestPage(int)), this, SLOT(showPage(int)));
        }
    }
    tesvik::ui::connectPages(all);
}

void MainWindow::startUp(bool hideAtStart, const std::vector<tesvik::Message>& notices) {
    show();
    for (const tesvik::Message& notice : notices) inform(uiText(notice));
    if (hideAtStart) hide();
}

void MainWindow::showPage(int index) { pages_->showPage(index); }

void MainWindow::pressButton(tesvik::program::MainButton which) {
    if (auto page = tesvik::program::pageIndexOfButton(which)) {
        showPage(*page);
        return;
    }
    switch (which) {
        case tesvik::program::MainButton::Settings:
            openSettings();
            break;
        case tesvik::program::MainButton::Help:
            openHelp();
            break;
        case tesvik::program::MainButton::About:
            openAbout();
            break;
        case tesvik::program::MainButton::StrokeRegistration:
        case tesvik::program::MainButton::RadicalRegistration:
            openRegistrationDialog(which);
            break;
        default:
            break;
    }
}

void MainWindow::carryOut(tesvik::program::TrayCommand command) {
    switch (command) {
        case tesvik::program::TrayCommand::Hide:
            hide();
            break;
        case tesvik::program::TrayCommand::Show:
            showFromTray();
            break;
        case tesvik::program::TrayCommand::Exit:
            exitProgram();
            break;
        case tesvik::program::TrayCommand::Settings:
            openSettings();
            break;
        case tesvik::program::TrayCommand::Help:
            break;
    }
}

void MainWindow::showFromTray() {
    show();
    raise();
    activateWindow();
}

void MainWindow::openSettings() {
    const tesvik::program::SettingsStoreTargets stores{tesvik::program::settingsFile(services_.directories),
                                                       *services_.registry, services_.application};
    SettingsDialogHandle handle = makeSettingsDialog(settings_, stores, this, *services_.autostart, this);
    if (!handle.dialog) return;
    runDialog(*handle.dialog);
    if (auto confirmed = handle.confirmed()) {
        settings_ = std::move(*confirmed);
        for (int i = 0; i < pages_->count(); ++i) applySettingsTo(pages_->page(i));
        recent_->applySettings();
    }
}

void MainWindow::openHelp() { help_.open(); }

void MainWindow::openAbout() {
    if (auto box = makeAboutBox(services_.directories.settings, this)) runDialog(*box);
}

void MainWindow::openCharacterInfo() {
    if (info_ == nullptr)
        info_ = new CharacterInfoDialog({services_.directories.data, services_.directories.user}, this);
    info_->show();
    info_->raise();
    info_->activateWindow();
}

void MainWindow::openRegistrationDialog(tesvik::program::MainButton which) {
    if (auto dialog = makeRegistrationDialog(which, context_, this)) runDialog(*dialog);
}

void MainWindow::exitProgram() {
    if (exiting_) return;
    exiting_ = true;
    foregroundTimer_->stop();
    unregisterHotKey();
    emit exitRequested();
}

void MainWindow::outputCharacter(tesvik::chars::PackedChar value) {
    recent_->record(value);
    const auto outcome = delivery_->pick(value);
    if (!outcome) return;
    showNotice(outcome->notice);
    if (outcome->hideMainWindow) hide();
    if (outcome->commitAfterFocusLoss) {
        focusLossChecks_ = 0;
        focusLossWait_->start();
    }
    // An outcome may have come with the commit's reply.
    if (services_.addon != nullptr) QTimer::singleShot(0, this, &MainWindow::takeAddonEvents);
}

void MainWindow::commitOnceFocusIsGone() {
    const bool focusGone = !isActiveWindow() && QGuiApplication::focusWindow() == nullptr;
    if (!focusGone && ++focusLossChecks_ < kFocusLossChecks) return;
    focusLossWait_->stop();
    if (!delivery_->hasWaiting()) return;
    if (auto problem = delivery_->commitWaiting()) showNotice(problem);
    QTimer::singleShot(0, this, &MainWindow::takeAddonEvents);
}

void MainWindow::takeAddonEvents() {
    if (services_.addon == nullptr) return;
    const platform::AddonEvents events = services_.addon->takeEvents();
    for (const platform::FinishedCommit& finished : events.finished) {
        if (auto problem = delivery_->finish(finished)) showNotice(problem);
    }
    if (events.addonStarted) setAddonHotKey(settings_.vk, settings_.flag);
    toggleByHotKey(events.hotKeyPresses);
}

void MainWindow::showNotice(const std::optional<tesvik::MessageId>& notice) {
    status_->setText(notice ? uiText(*notice) : QString());
}

void MainWindow::copyCharacter(tesvik::chars::PackedChar value) {
    recent_->record(value);
    output_->copy(value);
}

void MainWindow::copyText(const std::string& utf8) { services_.clipboard->setText(utf8); }

// The hot key is grabbed on X11 and handed to the input method's addon
// wherever it runs: there the addon sees the keys typed into every program.
void MainWindow::registerStartHotKey() {
    const int vk = settings_.vk & 0xFFFF;
    const int flag = settings_.flag & 0xFFFF;
    if (vk == 0 || flag == 0) return;
    if (services_.hotKey != nullptr)
        services_.hotKey->grab(static_cast<std::uint8_t>(vk), static_cast<std::uint8_t>(flag));
    setAddonHotKey(vk, flag);
}

bool MainWindow::setAddonHotKey(int vk, int flag) {
    if (services_.addon == nullptr || !services_.addon->present()) return false;
    const std::string key = tesvik::program::inputMethodKeyString(static_cast<std::uint32_t>(vk & 0xFFFF),
                                                                  static_cast<std::uint32_t>(flag & 0xFFFF));
    return services_.addon->setHotKey(key).ok() && !key.empty();
}

void MainWindow::setOwnHotKey(int vk, int flag) {
    if (ownHotKey_ == nullptr) return;
    namespace program = tesvik::program;
    const int key = vk & 0xFF;
    Qt::KeyboardModifiers modifiers;
    if (flag & program::kHotKeyShift) modifiers |= Qt::ShiftModifier;
    if (flag & program::kHotKeyControl) modifiers |= Qt::ControlModifier;
    if (flag & program::kHotKeyAlt) modifiers |= Qt::AltModifier;
    // The keys the input method can take are the keys Tesvik takes itself.
    const std::string asInputMethodKey =
        program::inputMethodKeyString(static_cast<std::uint32_t>(vk), static_cast<std::uint32_t>(flag));
    const bool usable = services_.hotKey == nullptr && !asInputMethodKey.empty();
    ownHotKey_->setKey(usable ? QKeySequence(QKeyCombination(modifiers, static_cast<Qt::Key>(key))) : QKeySequence());
}

void MainWindow::unregisterHotKey() {
    if (services_.hotKey != nullptr) services_.hotKey->ungrab();
    setAddonHotKey(0, 0);
    setOwnHotKey(0, 0);
}

bool MainWindow::registerHotKey(tesvik::program::HotKey hotKey) {
    const bool grabbed = services_.hotKey != nullptr && services_.hotKey->grab(hotKey.virtualKey, hotKey.modifiers);
    const bool handedToAddon = setAddonHotKey(hotKey.virtualKey, hotKey.modifiers);
    setOwnHotKey(hotKey.virtualKey, hotKey.modifiers);
    return grabbed || handedToAddon;
}

void MainWindow::takeHotKeyPresses() {
    if (services_.hotKey != nullptr) toggleByHotKey(services_.hotKey->takePresses());
}

void MainWindow::toggleByHotKey(int presses) {
    for (; presses > 0; --presses) {
        if (toggle_.press() == tesvik::program::HotKeyAction::Show) {
            showFromTray();
        } else {
            hide();
        }
    }
}

void MainWindow::inform(const QString& message) {
    if (services_.inform) {
        services_.inform(message);
        return;
    }
    QMessageBox::information(isVisible() ? this : nullptr, QGuiApplication::applicationDisplayName(), message);
}

int MainWindow::runDialog(QDialog& dialog) { return services_.runDialog ? services_.runDialog(dialog) : dialog.exec(); }

void MainWindow::closeEvent(QCloseEvent* event) {
    if (exiting_) {
        event->accept();
        return;
    }
    event->ignore();
    hide();
}

void MainWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange) return;
    constexpr Qt::WindowStates enlarged = Qt::WindowMaximized | Qt::WindowFullScreen;
    if (windowState() & enlarged) {
        // A window manager that maximised the window anyway is undone: the
        // window has one size.
        QTimer::singleShot(0, this, [this, enlarged] { setWindowState(windowState() & ~enlarged); });
        return;
    }
    if (!(windowState() & Qt::WindowMinimized)) return;
    // Minimising hides; the window comes back in its normal state.
    QTimer::singleShot(0, this, [this] {
        setWindowState(windowState() & ~Qt::WindowMinimized);
        hide();
    });
}

void MainWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    tray_->setDefaultCommand(tesvik::program::trayDefaultCommand(true));
    if (!shownOnce_) {
        shownOnce_ = true;
        showPage(0);
    }
}

void MainWindow::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    tray_->setDefaultCommand(tesvik::program::trayDefaultCommand(false));
}

}  // namespace tesvik::ui
