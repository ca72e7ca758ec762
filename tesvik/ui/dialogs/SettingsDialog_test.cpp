#include "tesvik/ui/dialogs/SettingsDialog.h"

#include "common/testing/ScratchDirectory.h"
#include "platform/MemoryRegistryStore.h"
#include "tesvik/messages/Messages.h"
#include "tesvik/program/ProfileRegistry.h"
#include "tesvik/program/SettingsLoad.h"
#include "tesvik/ui/widgets/ColourSample.h"
#include "tesvik/ui/widgets/HotKeyEdit.h"
#include "tesvik/ui/widgets/PageNotifier_testing.h"
#include "tesvik/ui/widgets/TestApplication_testing.h"

#include <gtest/gtest.h>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include <memory>

namespace tesvik::ui {
namespace {

class FakeHotKeys final : public program::HotKeyControl {
public:
    bool refuse = false;
    std::vector<std::string> calls;

    bool mainWindowFound() const override { return true; }
    void unregisterHotKey() override { calls.push_back("unregister"); }
    bool registerHotKey(program::HotKey k) override {
        calls.push_back("register " + std::to_string(k.virtualKey) + "+" + std::to_string(k.modifiers));
        return !refuse;
    }
};

class FakeAutostart final : public program::AutostartEntry {
public:
    bool enabled = false;
    bool refuse = false;

    bool isEnabled() const override { return enabled; }
    bool enable() override { return change(true); }
    bool disable() override { return change(false); }

private:
    bool change(bool to) {
        if (refuse) return false;
        enabled = to;
        return true;
    }
};

struct Shown {
    QString caption;
    QString text;
};

QString text(MessageId id) { return QString::fromUtf8(messageText(id)); }

class SettingsDialogTest : public ::testing::Test {
protected:
    SettingsDialogTest() {
        testing::testApplication();
        current.fontNames = program::selectableFontNames();
        current.currentFontName = current.fontNames[3];
    }

    SettingsDialog& open(program::HotKeyControl* control) {
        dialog = std::make_unique<SettingsDialog>(
            current, program::SettingsStoreTargets{settingsFile, registry, "Tesvik"}, control, autostart);
        notices = testing::recordNotices(*dialog);
        dialog->show();
        dialog->activateWindow();
        return *dialog;
    }
    SettingsDialog& open() { return open(&hotKeys); }

    template <typename T>
    T* find(const char* name) const {
        T* widget = dialog->findChild<T*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    void click(const char* name) const { find<QAbstractButton>(name)->click(); }
    void confirm() const { click("confirmButton"); }

    void type(const char* name, const QString& keys) const {
        QWidget* target = find<QWidget>(name);
        for (QChar c : keys) {
            QKeyEvent event(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(target, &event);
        }
    }
    void pressHotKey(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const {
        QKeyEvent event(QEvent::KeyPress, key, modifiers);
        QApplication::sendEvent(find<QWidget>("hotKeyEdit"), &event);
    }
    void setStrokeKeys(const QString& keys) const { find<QLineEdit>("strokeKeysEdit")->setText(keys); }

    bool stored() const { return std::filesystem::exists(settingsFile); }
    program::Settings storedSettings() const { return program::settingsFromText(dir.read("Tesvik.ini")); }
    int profile(program::ProfileValue value) const { return program::readProfileInt(registry, "Tesvik", value, -1); }
    QWidget* focused() const { return dialog->focusWidget(); }  // the window need not be active offscreen

    lumenar::testing::ScratchDirectory dir;
    std::filesystem::path settingsFile = dir / "Tesvik.ini";
    platform::MemoryRegistryStore registry;
    FakeHotKeys hotKeys;
    FakeAutostart autostart;
    program::Settings current;
    std::unique_ptr<SettingsDialog> dialog;
    // What the dialog showed, caption and text; all information boxes.
    std::vector<Shown> shown() const {
        std::vector<Shown> out;
        for (const testing::Notice& notice : notices->notices) {
            EXPECT_EQ(notice.icon, PageNotifier::Icon::Information);
            out.push_back({QString::fromStdString(notice.caption), QString::fromStdString(notice.text)});
        }
        return out;
    }
    testing::RecordingNotifier* notices = nullptr;
};

TEST_F(SettingsDialogTest, ControlsShowTheCurrentSettings) {
    current.colors.gbkEudc = program::rgb(1, 2, 3);
    current.strokeKeys = "hjkln";
    current.vk = 0x41;
    current.flag = program::kHotKeyControl;
    autostart.enabled = true;
    open();
    EXPECT_EQ(dialog->windowTitle(), QString::fromUtf8("LumenarTesvik输入法软件设置"));
    EXPECT_EQ(find<ColourSample>("gbkEudcColourSample")->colour(), program::rgb(1, 2, 3));
    EXPECT_EQ(find<ColourSample>("radicalsColourSample")->colour(), 10524185u);
    EXPECT_EQ(find<QLineEdit>("strokeKeysEdit")->text(), QStringLiteral("hjkln"));
    EXPECT_EQ(find<HotKeyEdit>("hotKeyEdit")->hotKey(), (program::HotKey{0x41, program::kHotKeyControl}));
    EXPECT_TRUE(find<QCheckBox>("autoMinimizeCheck")->isChecked());  // registry defaults 1
    EXPECT_TRUE(find<QCheckBox>("hideCheck")->isChecked());
    EXPECT_TRUE(find<QCheckBox>("autostartCheck")->isChecked());
    EXPECT_FALSE(find<QCheckBox>("showAllPagesCheck")->isChecked());
    auto* fonts = find<QComboBox>("fontList");
    ASSERT_EQ(fonts->count(), 4);
    EXPECT_EQ(fonts->currentText(), QString::fromUtf8("Lumenar楷体T"));
    EXPECT_EQ(fonts->itemText(1), QString::fromUtf8("Lumenar书宋"));
    EXPECT_EQ(find<QPushButton>("gbkColourButton")->text(), QString::fromUtf8("更改颜色"));
    EXPECT_EQ(find<QPushButton>("confirmButton")->text(), QString::fromUtf8("确认更改"));
    EXPECT_EQ(find<QPushButton>("cancelButton")->text(), QString::fromUtf8("取消更改"));
}

TEST_F(SettingsDialogTest, ConfirmingStoresEverythingWithLowerCaseStrokeKeys) {
    open();
    dialog->setColourChooser([](QWidget*, const QColor& initial) -> std::optional<QColor> {
        EXPECT_EQ(initial, QColor(0, 166, 81));  // the row's colour
        return QColor(1, 2, 3);
    });
    click("cjkExtensionAColourButton");
    EXPECT_EQ(find<ColourSample>("cjkExtensionAColourSample")->colour(), program::rgb(1, 2, 3));
    setStrokeKeys({});
    type("strokeKeysEdit", QStringLiteral("HJKLN"));
    find<QComboBox>("fontList")->setCurrentIndex(1);
    confirm();

    ASSERT_EQ(shown().size(), 1u);
    EXPECT_EQ(shown()[0].caption, QString::fromUtf8("LumenarTesvik向你报告："));
    EXPECT_EQ(shown()[0].text, QString::fromUtf8("恭喜，Tesvik的新设置已经更改生效！"));
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    ASSERT_TRUE(dialog->confirmedSettings());
    EXPECT_EQ(dialog->confirmedSettings()->strokeKeys, "hjkln");
    EXPECT_EQ(dialog->confirmedSettings()->colors.cjkExtensionA, program::rgb(1, 2, 3));
    const program::Settings back = storedSettings();
    EXPECT_EQ(back.strokeKeys, "hjkln");
    EXPECT_EQ(back.colors.cjkExtensionA, program::rgb(1, 2, 3));
    EXPECT_EQ(back.currentFontName, "Lumenar书宋");
    EXPECT_EQ(back.autoMinimize, 1);
    EXPECT_EQ(back.hide, 1);
    EXPECT_TRUE(hotKeys.calls.empty());
}

TEST_F(SettingsDialogTest, ACommaIsRefusedAsSoonAsTypedAndAtConfirmation) {
    open();
    setStrokeKeys({});
    type("strokeKeysEdit", QStringLiteral("1,"));
    auto* edit = find<QLineEdit>("strokeKeysEdit");
    ASSERT_EQ(shown().size(), 1u);
    EXPECT_EQ(shown()[0].text, text(MessageId::StrokeKeyCharacterInvalid));
    EXPECT_EQ(shown()[0].caption, text(MessageId::InputErrorCaption));
    EXPECT_EQ(edit->selectionStart(), 1);
    EXPECT_EQ(edit->selectedText(), QStringLiteral(","));

    setStrokeKeys(QStringLiteral("1,2,3,4,5"));
    edit->deselect();
    confirm();
    ASSERT_EQ(shown().size(), 2u);
    EXPECT_EQ(shown()[1].text, text(MessageId::StrokeKeyCharacterInvalid));
    EXPECT_EQ(edit->selectionStart(), 1);
    EXPECT_EQ(edit->selectedText(), QStringLiteral(","));
    EXPECT_EQ(focused(), edit);
    EXPECT_FALSE(dialog->confirmedSettings());
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_FALSE(stored());
}

TEST_F(SettingsDialogTest, ASupplementaryCharacterIsSelectedWhole) {
    open();
    setStrokeKeys(QString::fromUtf8("ab𠀀cd"));
    confirm();
    auto* edit = find<QLineEdit>("strokeKeysEdit");
    EXPECT_EQ(edit->selectionStart(), 2);
    EXPECT_EQ(edit->selectedText(), QString::fromUtf8("𠀀"));
}

TEST_F(SettingsDialogTest, RefusalsKeepTheDialogOpenAndMoveTheFocus) {
    open();
    setStrokeKeys(QStringLiteral("1234"));
    confirm();
    ASSERT_EQ(shown().size(), 1u);
    EXPECT_EQ(shown()[0].text, QString::fromUtf8("笔划“横、竖、撇、点、折”的快捷键，必须对应五个！"));
    EXPECT_EQ(shown()[0].caption, text(MessageId::InputErrorCaption));
    EXPECT_EQ(focused(), find<QWidget>("strokeKeysEdit"));

    setStrokeKeys(QStringLiteral("12345"));
    pressHotKey(Qt::Key_F5);
    confirm();
    ASSERT_EQ(shown().size(), 2u);
    EXPECT_EQ(shown()[1].text, QString::fromUtf8("您输入按键组合，不能作为热键，请重新选择。"));
    EXPECT_EQ(focused(), find<QWidget>("hotKeyEdit"));
    EXPECT_TRUE(hotKeys.calls.empty());
    EXPECT_FALSE(dialog->confirmedSettings());
    EXPECT_FALSE(stored());
}

TEST_F(SettingsDialogTest, NoKeyIsAcceptedAndLeavesNoHotKey) {
    current.vk = 0x41;
    current.flag = program::kHotKeyControl;
    open();
    pressHotKey(Qt::Key_Backspace);
    confirm();
    EXPECT_EQ(hotKeys.calls, std::vector<std::string>{"unregister"});
    ASSERT_TRUE(dialog->confirmedSettings());
    EXPECT_EQ(dialog->confirmedSettings()->vk, 0);
    EXPECT_EQ(profile(program::ProfileValue::Vk), 0);
    EXPECT_EQ(storedSettings().vk, 0);
}

TEST_F(SettingsDialogTest, ANewHotKeyIsRegisteredAndStored) {
    open();
    pressHotKey(Qt::Key_K, Qt::ShiftModifier | Qt::AltModifier);
    confirm();
    EXPECT_EQ(hotKeys.calls, (std::vector<std::string>{"unregister", "register 75+5"}));
    EXPECT_EQ(profile(program::ProfileValue::Vk), 0x4B);
    EXPECT_EQ(profile(program::ProfileValue::Flag), 5);
    EXPECT_EQ(dialog->confirmedSettings()->flag, 5);
}

TEST_F(SettingsDialogTest, ARefusedRegistrationIsReportedAndStoresNoHotKey) {
    hotKeys.refuse = true;
    open();
    pressHotKey(Qt::Key_A);  // no modifier: Ctrl+A
    confirm();
    EXPECT_EQ(hotKeys.calls, (std::vector<std::string>{"unregister", "register 65+2"}));
    ASSERT_EQ(shown().size(), 2u);
    EXPECT_EQ(shown()[0].text, QString::fromUtf8("注册热键失败，请选择其他组合。"));
    EXPECT_EQ(shown()[1].text, text(MessageId::SettingsChanged));
    EXPECT_EQ(profile(program::ProfileValue::Vk), 0);
    EXPECT_EQ(profile(program::ProfileValue::Flag), 0);
    EXPECT_EQ(dialog->confirmedSettings()->vk, 0);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
}

TEST_F(SettingsDialogTest, WithoutTheMainWindowAChangedHotKeyStoresNothing) {
    open(nullptr);
    pressHotKey(Qt::Key_B, Qt::ControlModifier);
    confirm();
    ASSERT_EQ(shown().size(), 1u);
    EXPECT_EQ(shown()[0].text, QString::fromUtf8("与输入法主程序失去联系，请重新启动后再试。"));
    EXPECT_FALSE(dialog->confirmedSettings());
    EXPECT_FALSE(stored());
    EXPECT_EQ(profile(program::ProfileValue::Vk), -1);
}

TEST_F(SettingsDialogTest, CancellingKeepsWhatTheSwitchesWrote) {
    open();
    click("autostartCheck");
    EXPECT_TRUE(autostart.enabled);
    click("autoMinimizeCheck");
    EXPECT_EQ(profile(program::ProfileValue::AutoMinimize), 0);
    click("hideCheck");
    EXPECT_EQ(profile(program::ProfileValue::Hide), 0);
    click("hideCheck");
    EXPECT_EQ(profile(program::ProfileValue::Hide), 1);
    setStrokeKeys(QStringLiteral("abcde"));
    click("cancelButton");

    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_FALSE(dialog->confirmedSettings());
    EXPECT_TRUE(autostart.enabled);
    EXPECT_EQ(profile(program::ProfileValue::AutoMinimize), 0);
    EXPECT_FALSE(stored());
    EXPECT_TRUE(shown().empty());
}

TEST_F(SettingsDialogTest, SwitchesThatCannotBeWrittenShowWhatIsInForce) {
    autostart.refuse = true;
    registry.failWrites = true;
    open();
    click("autostartCheck");
    EXPECT_FALSE(find<QCheckBox>("autostartCheck")->isChecked());
    click("hideCheck");
    EXPECT_TRUE(find<QCheckBox>("hideCheck")->isChecked());
}

TEST_F(SettingsDialogTest, AutostartSwitchedOnIsInTheConfirmedSettings) {
    open();
    click("autostartCheck");
    confirm();
    ASSERT_TRUE(dialog->confirmedSettings());
    EXPECT_TRUE(dialog->confirmedSettings()->autostart);
}

TEST_F(SettingsDialogTest, ShowAllPagesRoundTrip) {
    open();
    click("showAllPagesCheck");
    confirm();
    ASSERT_TRUE(dialog->confirmedSettings());
    EXPECT_EQ(dialog->confirmedSettings()->showAllPages, 1);
    EXPECT_NE(dir.read("Tesvik.ini").find("ShowAllPages=1"), std::string::npos);

    current = storedSettings();
    open();
    EXPECT_TRUE(find<QCheckBox>("showAllPagesCheck")->isChecked());
    click("showAllPagesCheck");
    confirm();
    EXPECT_EQ(storedSettings().showAllPages, 0);
}

TEST_F(SettingsDialogTest, StandardCodeIsOffByDefaultAndRoundTrips) {
    open();
    EXPECT_FALSE(find<QCheckBox>("standardCodeCheck")->isChecked());
    EXPECT_EQ(find<QCheckBox>("standardCodeCheck")->text(), QString::fromUtf8("输出标准编码"));
    click("standardCodeCheck");
    confirm();
    ASSERT_TRUE(dialog->confirmedSettings());
    EXPECT_EQ(dialog->confirmedSettings()->standardCode, 1);
    EXPECT_EQ(storedSettings().standardCode, 1);

    current = storedSettings();
    open();
    EXPECT_TRUE(find<QCheckBox>("standardCodeCheck")->isChecked());
    click("standardCodeCheck");
    confirm();
    EXPECT_EQ(storedSettings().standardCode, 0);
}

TEST_F(SettingsDialogTest, SettingsThatCannotBeStoredAreNotReportedAsStored) {
    settingsFile = dir / "missing" / "folder" / "Tesvik.ini";
    std::filesystem::create_directories(dir / "missing");
    dir.write("missing/folder", "a file where the folder should be");
    open();
    confirm();
    ASSERT_EQ(shown().size(), 1u);
    EXPECT_TRUE(shown()[0].text.startsWith(text(MessageId::SettingsNotStored)));
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_TRUE(dialog->confirmedSettings());
}

}  // namespace
}  // namespace tesvik::ui
