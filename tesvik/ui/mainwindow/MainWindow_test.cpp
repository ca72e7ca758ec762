#include "tesvik/ui/mainwindow/MainWindow.h"

#include "common/testing/ScratchDirectory.h"
#include "platform/MemoryRegistryStore.h"
#include "tesvik/program/OutputFakes_testing.h"
#include "tesvik/program/ProfileRegistry.h"
#include "tesvik/ui/mainwindow/PageButtonRow.h"
#include "tesvik/ui/mainwindow/PageContainer.h"
#include "tesvik/ui/mainwindow/TrayIcon.h"
#include "tesvik/ui/widgets/TestApplication_testing.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>

#include <gtest/gtest.h>

#include <unistd.h>

namespace tesvik::ui {
namespace {

QString text(MessageId id) { return QString::fromUtf8(std::string(messageText(id)).c_str()); }

class FakeDesktop : public platform::TargetDesktop {
public:
    platform::WindowId activeWindow() override { return active; }
    bool isWindow(platform::WindowId window) override { return window != 0; }
    bool activate(platform::WindowId window) override {
        activated.push_back(window);
        return true;
    }
    bool typeCharacter(char32_t c) override {
        typed.push_back(c);
        return true;
    }
    platform::WindowId active = 0;
    std::vector<platform::WindowId> activated;
    std::u32string typed;
};

// Presses arrive as bytes on a pipe, as events arrive on a display connection.
class FakeHotKey : public platform::GlobalHotKey {
public:
    FakeHotKey() {
        if (::pipe(ends_) != 0) std::abort();
    }
    ~FakeHotKey() override {
        ::close(ends_[0]);
        ::close(ends_[1]);
    }
    bool grab(std::uint8_t vk, std::uint8_t modifiers) override {
        grabs.push_back({vk, modifiers});
        return refuse == false;
    }
    void ungrab() override { ++ungrabs; }
    int eventDescriptor() const override { return ends_[0]; }
    int takePresses() override {
        const int n = pending_;
        char buffer[16];
        for (int left = pending_; left > 0; left -= static_cast<int>(::read(ends_[0], buffer, 1))) {}
        pending_ = 0;
        return n;
    }
    void press() {
        const char byte = 1;
        if (::write(ends_[1], &byte, 1) != 1) std::abort();
        ++pending_;
    }
    std::vector<program::HotKey> grabs;
    int ungrabs = 0;
    bool refuse = false;

private:
    int ends_[2];
    int pending_ = 0;
};

class RecordingClipboard : public program::ClipboardWriter {
public:
    void setText(const std::string& utf8) override { texts.push_back(utf8); }
    std::vector<std::string> texts;
};

class FixedAutostart : public program::AutostartEntry {
public:
    bool isEnabled() const override { return false; }
    bool enable() override { return false; }
    bool disable() override { return false; }
};

// A page with one line edit that takes the focus.
MadePage fakePage(program::MainPage kind, const PageContext&, QWidget* parent) {
    auto* page = new QWidget(parent);
    page->setObjectName(QStringLiteral("page%1").arg(static_cast<int>(kind)));
    auto* edit = new QLineEdit(page);
    edit->setObjectName(QStringLiteral("edit%1").arg(static_cast<int>(kind)));
    return {page, [edit] { return edit; }};
}

void processEventsFor(int ms) {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms) QApplication::processEvents(QEventLoop::AllEvents, 10);
}

class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest() { testing::testApplication(); }

    std::unique_ptr<MainWindow> makeWindow(program::Settings settings = {}, bool withDesktop = true) {
        MainWindowServices s;
        s.directories.settings = scratch.path() / "settings/";
        s.directories.data = LUMENAR_DATA_DIR "/";
        s.directories.user = scratch.path() / "user/";
        s.programPath = scratch.path() / "bin/tesvik";
        s.application = "tesvik";
        s.registry = &registry;
        s.autostart = &autostart;
        s.desktop = withDesktop ? &desktop : nullptr;
        s.hotKey = &hotKey;
        s.addon = addon;
        s.clipboard = &clipboard;
        s.inform = [this](const QString& t) { informed.push_back(t); };
        s.runDialog = [this](QDialog&) {
            ++dialogsRun;
            return 0;
        };
        s.openUrl = [this](const QUrl& url) {
            opened.push_back(url);
            return true;
        };
        s.makePage = fakePage;
        return std::make_unique<MainWindow>(std::move(settings), std::move(s));
    }

    static void sendKey(QWidget* to, int key, Qt::KeyboardModifiers modifiers) {
        QKeyEvent press(QEvent::KeyPress, key, modifiers);
        QApplication::sendEvent(to, &press);
    }

    lumenar::testing::ScratchDirectory scratch;
    platform::MemoryRegistryStore registry;
    FixedAutostart autostart;
    FakeDesktop desktop;
    FakeHotKey hotKey;
    platform::InputMethodAddon* addon = nullptr;  // none unless a test sets it
    RecordingClipboard clipboard;
    std::vector<QString> informed;
    std::vector<QUrl> opened;
    int dialogsRun = 0;
};

TEST_F(MainWindowTest, CarriesItsCaptionAndTheDefaultButtons) {
    auto w = makeWindow();
    EXPECT_EQ(w->windowTitle(), QStringLiteral("LumenarTesvik输入法软件（规范字表版）V1.0"));
    EXPECT_EQ(w->objectName(), QStringLiteral("tesvikMainWindow"));
    ASSERT_NE(w->findChild<PageContainer*>(QStringLiteral("pageContainer")), nullptr);
    EXPECT_EQ(w->pageContainer()->count(), 4);
    w->show();
    struct Expect {
        const char* name;
        const char* caption;
        bool visible;
    };
    const Expect buttons[] = {
        {"radicalButton", "部首检字", true},
        {"strokeOrderButton", "笔顺检字", true},
        {"pinyinButton", "拼音检字", false},
        {"customAreaButton", "自定义区", false},
        {"symbolButton", "符号检字", false},
        {"strokeRegistrationButton", "补字按笔顺管理", false},
        {"radicalRegistrationButton", "补字按部首管理", false},
        {"settingsButton", "设置", true},
        {"helpButton", "帮助", true},
        {"aboutButton", "关于", true},
    };
    for (const Expect& e : buttons) {
        auto* b = w->findChild<PageButton*>(QString::fromLatin1(e.name));
        ASSERT_NE(b, nullptr) << e.name;
        EXPECT_EQ(b->text(), QString::fromUtf8(e.caption)) << e.name;
        EXPECT_EQ(b->isVisible(), e.visible) << e.name;
    }
    EXPECT_EQ(w->findChild<PageButton*>(QStringLiteral("customAreaButton"))->toolTip(),
              QStringLiteral("点击进入“按符号检字”功能"));
    EXPECT_EQ(w->findChild<PageButton*>(QStringLiteral("strokeOrderButton"))->toolTip(),
              QStringLiteral("点击进入“按难检字笔顺检字”功能"));
}

TEST_F(MainWindowTest, CtrlPageKeysCycleThroughThePagesAndWrap) {
    auto w = makeWindow();
    w->show();
    PageContainer* pages = w->pageContainer();
    w->showPage(3);
    sendKey(w->findChild<QLineEdit*>(QStringLiteral("edit3")), Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(pages->currentIndex(), 0);
    EXPECT_EQ(w->focusWidget(), w->findChild<QLineEdit*>(QStringLiteral("edit0")));
    sendKey(w->focusWidget(), Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(pages->currentIndex(), 3);
    sendKey(w->focusWidget(), Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(pages->currentIndex(), 2);
    EXPECT_EQ(w->focusWidget(), w->findChild<QLineEdit*>(QStringLiteral("edit2")));
    sendKey(w->focusWidget(), Qt::Key_PageDown, Qt::NoModifier);  // a plain Page Down stays with the control
    EXPECT_EQ(pages->currentIndex(), 2);
}

TEST_F(MainWindowTest, ButtonOfThePageInViewIsHighlighted) {
    auto w = makeWindow();
    w->show();
    PageButtonRow* row = w->buttonRow();
    EXPECT_EQ(row->highlighted(), program::MainButton::Radicals);
    row->button(program::MainButton::StrokeOrder)->click();
    EXPECT_EQ(w->pageContainer()->currentIndex(), 2);
    EXPECT_EQ(row->highlighted(), program::MainButton::StrokeOrder);
    EXPECT_FALSE(row->button(program::MainButton::Radicals)->isHighlighted());
    w->showPage(1);  // the radical lookup belongs to 部首检字
    EXPECT_EQ(row->highlighted(), program::MainButton::Radicals);
    w->showPage(3);
    EXPECT_EQ(row->highlighted(), program::MainButton::CustomArea);
    row->button(program::MainButton::Pinyin)->click();  // no pinyin page here: the first page
    EXPECT_EQ(w->pageContainer()->currentIndex(), 0);
}

TEST_F(MainWindowTest, FirstShowBringsTheFirstPage) {
    auto w = makeWindow();
    w->showPage(2);
    w->show();
    EXPECT_EQ(w->pageContainer()->currentIndex(), 0);
    w->showPage(2);
    w->hide();
    w->show();
    EXPECT_EQ(w->pageContainer()->currentIndex(), 2);
}

TEST_F(MainWindowTest, ShowAllPagesHostsPinyinAndSymbolPagesAndTheRegistrationButtons) {
    program::Settings settings;
    settings.showAllPages = 1;
    auto w = makeWindow(settings);
    w->show();
    ASSERT_EQ(w->pageContainer()->count(), 6);
    for (program::MainButton b :
         {program::MainButton::Pinyin, program::MainButton::Symbols, program::MainButton::CustomArea,
          program::MainButton::StrokeRegistration, program::MainButton::RadicalRegistration}) {
        EXPECT_TRUE(w->buttonRow()->button(b)->isVisible()) << static_cast<int>(b);
    }
    w->buttonRow()->button(program::MainButton::Pinyin)->click();
    EXPECT_EQ(w->pageContainer()->currentIndex(), 4);
    w->buttonRow()->button(program::MainButton::Symbols)->click();
    EXPECT_EQ(w->pageContainer()->currentIndex(), 5);
    EXPECT_EQ(w->buttonRow()->highlighted(), program::MainButton::Symbols);
    sendKey(w->focusWidget(), Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(w->pageContainer()->currentIndex(), 0);
}

TEST_F(MainWindowTest, CloseAndMinimiseHide) {
    auto w = makeWindow();
    w->show();
    EXPECT_FALSE(w->close());
    EXPECT_FALSE(w->isVisible());
    w->show();
    w->showMinimized();
    processEventsFor(50);
    EXPECT_FALSE(w->isVisible());
    w->show();
    EXPECT_FALSE(w->isMinimized());
}

TEST_F(MainWindowTest, CanBeMinimisedButNeverMaximisedOrResized) {
    auto w = makeWindow();
    const Qt::WindowFlags flags = w->windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(w->minimumSize(), w->maximumSize());

    w->show();
    const QSize shown = w->size();
    w->showMaximized();  // as a window manager that ignores the fixed size would
    processEventsFor(50);
    EXPECT_FALSE(w->isMaximized());
    EXPECT_EQ(w->size(), shown);
    w->resize(shown * 2);
    EXPECT_EQ(w->size(), shown);
}

TEST_F(MainWindowTest, TrayClickFollowsTheDefaultItem) {
    auto w = makeWindow();
    TrayIcon* tray = w->trayIcon();
    w->show();
    EXPECT_EQ(tray->defaultCommand(), program::TrayCommand::Hide);
    EXPECT_EQ(tray->menu()->defaultAction(), tray->action(program::TrayCommand::Hide));
    emit tray->systemTrayIcon()->activated(QSystemTrayIcon::Trigger);
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(tray->defaultCommand(), program::TrayCommand::Show);
    emit tray->systemTrayIcon()->activated(QSystemTrayIcon::Trigger);
    EXPECT_TRUE(w->isVisible());
    emit tray->systemTrayIcon()->activated(QSystemTrayIcon::Context);  // the menu, no command
    EXPECT_TRUE(w->isVisible());
}

TEST_F(MainWindowTest, TrayMenuCommands) {
    auto w = makeWindow();
    TrayIcon* tray = w->trayIcon();
    QStringList captions;
    for (QAction* a : tray->menu()->actions()) captions << a->text();
    EXPECT_EQ(captions, (QStringList{QStringLiteral("隐藏"), QStringLiteral("显示"), QStringLiteral("退出"),
                                     QStringLiteral("设置"), QStringLiteral("LumenarTesvik输入法软件帮助")}));
    EXPECT_EQ(tray->systemTrayIcon()->toolTip(), QStringLiteral("LumenarTesvik输入法软件"));

    int exits = 0;
    QObject::connect(w.get(), &MainWindow::exitRequested, [&] { ++exits; });
    tray->action(program::TrayCommand::Show)->trigger();
    EXPECT_TRUE(w->isVisible());
    tray->action(program::TrayCommand::Help)->trigger();
    EXPECT_TRUE(w->isVisible());
    EXPECT_TRUE(opened.empty());
    tray->action(program::TrayCommand::Hide)->trigger();
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(exits, 0);
    tray->action(program::TrayCommand::Exit)->trigger();
    tray->action(program::TrayCommand::Exit)->trigger();
    EXPECT_EQ(exits, 1);
    EXPECT_GE(hotKey.ungrabs, 1);
}

TEST_F(MainWindowTest, StoredHotKeyIsGrabbedAtStart) {
    program::Settings settings;
    settings.vk = 'K';
    settings.flag = 3;
    hotKey.refuse = true;  // a refusal at start is not reported
    auto w = makeWindow(settings);
    EXPECT_EQ(hotKey.grabs, (std::vector<program::HotKey>{{'K', 3}}));
    EXPECT_TRUE(informed.empty());
}

TEST_F(MainWindowTest, NoHotKeyWithoutKeyOrModifiers) {
    for (auto [vk, flag] : {std::pair{0, 2}, std::pair{int{'K'}, 0}}) {
        program::Settings settings;
        settings.vk = vk;
        settings.flag = flag;
        auto w = makeWindow(settings);
    }
    EXPECT_TRUE(hotKey.grabs.empty());
}

TEST_F(MainWindowTest, HotKeyPressesToggleFromAClearStart) {
    auto w = makeWindow();
    w->show();
    hotKey.press();  // the toggle starts clear: the first press shows
    processEventsFor(50);
    EXPECT_TRUE(w->isVisible());
    EXPECT_TRUE(w->hotKeyToggleSet());
    hotKey.press();
    processEventsFor(50);
    EXPECT_FALSE(w->isVisible());
    hotKey.press();
    processEventsFor(50);
    EXPECT_TRUE(w->isVisible());
}

TEST_F(MainWindowTest, SettingsDialogChangesTheHotKeyThroughTheWindow) {
    auto w = makeWindow();
    program::HotKeyControl& control = *w;
    EXPECT_TRUE(control.mainWindowFound());
    control.unregisterHotKey();
    EXPECT_TRUE(control.registerHotKey({'Q', 2}));
    hotKey.refuse = true;
    EXPECT_FALSE(control.registerHotKey({'Z', 4}));
    EXPECT_EQ(hotKey.grabs, (std::vector<program::HotKey>{{'Q', 2}, {'Z', 4}}));
}

TEST_F(MainWindowTest, OutputHidesWhenTheRegistrySaysHide) {
    auto w = makeWindow();
    w->show();
    desktop.active = 77;
    w->outputService().trackForeground();
    w->outputCharacter(0x4E00);
    EXPECT_EQ(desktop.typed, U"\u4E00");
    EXPECT_EQ(desktop.activated, std::vector<platform::WindowId>{77});
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(w->statusLabel()->text(), text(MessageId::TypedWithoutInputMethod));
}

TEST_F(MainWindowTest, OutputKeepsTheWindowWhenHideIsOff) {
    ASSERT_TRUE(program::writeProfileInt(registry, "tesvik", program::ProfileValue::Hide, 0));
    auto w = makeWindow();
    w->show();
    desktop.active = 77;
    w->outputService().trackForeground();
    w->outputCharacter(0xD840DC00);
    EXPECT_EQ(desktop.typed, U"\U00020000");
    EXPECT_TRUE(w->isVisible());
}

TEST_F(MainWindowTest, WithoutADisplayTheCharacterIsCopiedAndTheWindowSaysSo) {
    auto w = makeWindow({}, false);
    w->show();
    w->outputCharacter(0x4E00);
    EXPECT_EQ(clipboard.texts, std::vector<std::string>{"一"});
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->statusLabel()->text(), text(MessageId::CopiedNoInputMethod));
}

TEST_F(MainWindowTest, TypedOutputReplacesAnEarlierNotice) {
    ASSERT_TRUE(program::writeProfileInt(registry, "tesvik", program::ProfileValue::Hide, 0));
    auto w = makeWindow();
    w->show();
    w->outputCharacter(0x4E00);  // no target yet
    EXPECT_EQ(w->statusLabel()->text(), text(MessageId::CopiedNoTarget));
    desktop.active = 5;
    w->outputService().trackForeground();
    w->outputCharacter(0x4E01);
    EXPECT_EQ(w->statusLabel()->text(), text(MessageId::TypedWithoutInputMethod));
}

TEST_F(MainWindowTest, AddonTakesThePickNothingIsTypedAndTheNoticeIsCleared) {
    program::testing::FakeAddon fakeAddon;
    addon = &fakeAddon;
    auto w = makeWindow();
    w->show();
    w->outputCharacter(0x4E00);  // no target yet: hides and waits for the focus to go
    EXPECT_FALSE(w->isVisible());
    w->show();
    desktop.active = 77;
    w->outputService().trackForeground();
    w->outputCharacter(0xD840DC00);
    EXPECT_EQ(desktop.activated, std::vector<platform::WindowId>{77});
    EXPECT_TRUE(desktop.typed.empty());
    EXPECT_EQ(fakeAddon.commits, std::vector<std::string>{"\xF0\xA0\x80\x80 not tesvik"});
    EXPECT_TRUE(w->statusLabel()->text().isEmpty());
}

TEST_F(MainWindowTest, AddonGetsTheHotKeyAndItsPressesToggleTheWindow) {
    program::testing::FakeAddon fakeAddon;
    addon = &fakeAddon;
    program::Settings settings;
    settings.vk = 'T';
    settings.flag = 3;
    auto w = makeWindow(settings);
    EXPECT_EQ(fakeAddon.hotKeys, std::vector<std::string>{"Control+Shift+T"});
    w->hide();
    fakeAddon.hotKeyPresses = 1;
    w->takeAddonEvents();
    EXPECT_TRUE(w->isVisible());
    fakeAddon.hotKeyPresses = 1;
    w->takeAddonEvents();
    EXPECT_FALSE(w->isVisible());
}

TEST_F(MainWindowTest, CopyPutsTheCharacterOnTheClipboard) {
    auto w = makeWindow();
    w->copyCharacter(0xD840DC00);
    EXPECT_EQ(clipboard.texts, std::vector<std::string>{"\xF0\xA0\x80\x80"});
}

TEST_F(MainWindowTest, ForegroundIsTrackedEveryQuarterSecond) {
    auto w = makeWindow();
    desktop.active = 99;
    processEventsFor(400);
    EXPECT_EQ(w->outputService().target(), 99u);
}

TEST_F(MainWindowTest, StartUpShowsNoticesAndHidesWhenAskedTo) {
    auto w = makeWindow();
    w->startUp(true, {message(MessageId::SurrogateListDamaged), message(MessageId::PinyinFilesDamaged)});
    EXPECT_EQ(informed,
              (std::vector<QString>{text(MessageId::SurrogateListDamaged), text(MessageId::PinyinFilesDamaged)}));
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(w->trayIcon()->defaultCommand(), program::TrayCommand::Show);

    auto shown = makeWindow();
    shown->startUp(false, {});
    EXPECT_TRUE(shown->isVisible());
}

TEST_F(MainWindowTest, HelpOpensTheUsersHelpFileBeforeTheShippedHelp) {
    auto w = makeWindow();
    scratch.write("bin/help/index.html", "<html></html>");
    w->buttonRow()->button(program::MainButton::Help)->click();
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0],
              QUrl::fromLocalFile(QString::fromStdString((scratch.path() / "bin/help/index.html").string())));
    scratch.write("settings/TSV.chm", "chm");
    w->openHelp();
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[1], QUrl::fromLocalFile(QString::fromStdString((scratch.path() / "settings/TSV.chm").string())));
}

}  // namespace
}  // namespace tesvik::ui
