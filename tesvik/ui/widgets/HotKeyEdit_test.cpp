#include "tesvik/ui/widgets/HotKeyEdit.h"

#include "tesvik/ui/widgets/TestApplication_testing.h"

#include <gtest/gtest.h>
#include <QKeyEvent>

namespace tesvik::ui {
namespace {

bool press(HotKeyEdit& edit, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent event(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(&edit, &event);
    return event.isAccepted();
}

TEST(HotKeyEdit, QtKeysBecomeVirtualKeys) {
    struct Case {
        int qtKey;
        bool keypad;
        std::optional<std::uint8_t> virtualKey;
    };
    const Case cases[] = {
        {Qt::Key_A, false, 0x41},
        {Qt::Key_Z, false, 0x5A},
        {Qt::Key_0, false, 0x30},
        {Qt::Key_9, false, 0x39},
        {Qt::Key_9, true, 0x69},
        {Qt::Key_F1, false, 0x70},
        {Qt::Key_F5, false, 0x74},
        {Qt::Key_F24, false, 0x87},
        {Qt::Key_Exclam, false, 0x31},
        {Qt::Key_ParenRight, false, 0x30},
        {Qt::Key_Comma, false, 0xBC},
        {Qt::Key_Plus, true, 0x6B},
        {Qt::Key_Plus, false, 0xBB},
        {Qt::Key_Home, false, 0x24},
        {Qt::Key_Shift, false, std::nullopt},
        {Qt::Key_Control, false, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(virtualKeyOfQtKey(c.qtKey, c.keypad), c.virtualKey) << std::hex << c.qtKey;
    }
    for (int vk : {0x41, 0x5A, 0x30, 0x39, 0x65, 0x74, 0xBC, 0x24}) {
        const int key = qtKeyOfVirtualKey(static_cast<std::uint8_t>(vk));
        EXPECT_EQ(virtualKeyOfQtKey(key, vk >= 0x60 && vk <= 0x6F), vk) << std::hex << vk;
    }
    EXPECT_EQ(qtKeyOfVirtualKey(0x07), Qt::Key_unknown);
}

TEST(HotKeyEdit, KeyPressesFollowTheControlsRules) {
    testing::testApplication();
    struct Case {
        int key;
        Qt::KeyboardModifiers modifiers;
        program::HotKey expected;
    };
    const Case cases[] = {
        {Qt::Key_A, Qt::ControlModifier, {0x41, program::kHotKeyControl}},
        {Qt::Key_A, Qt::NoModifier, {0x41, program::kHotKeyControl}},  // no modifier: Ctrl
        {Qt::Key_B, Qt::ShiftModifier, {0x42, program::kHotKeyControl}},
        {Qt::Key_C, Qt::AltModifier, {0x43, program::kHotKeyControl}},
        {Qt::Key_D, Qt::ShiftModifier | Qt::ControlModifier, {0x44, program::kHotKeyControl}},
        {Qt::Key_E, Qt::ControlModifier | Qt::AltModifier, {0x45, program::kHotKeyControl}},
        {Qt::Key_F, Qt::ShiftModifier | Qt::AltModifier, {0x46, program::kHotKeyShift | program::kHotKeyAlt}},
        {Qt::Key_Exclam,
         Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier,
         {0x31, program::kHotKeyShift | program::kHotKeyControl | program::kHotKeyAlt}},
        {Qt::Key_F5, Qt::NoModifier, {0x74, program::kHotKeyControl}},
    };
    for (const Case& c : cases) {
        HotKeyEdit edit;
        int changes = 0;
        QObject::connect(&edit, &HotKeyEdit::hotKeyChanged, [&] { ++changes; });
        EXPECT_TRUE(press(edit, c.key, c.modifiers));
        EXPECT_EQ(edit.hotKey(), c.expected) << std::hex << c.key;
        EXPECT_EQ(changes, 1);
    }
}

TEST(HotKeyEdit, BackspaceClearsAndDialogKeysPassThrough) {
    testing::testApplication();
    HotKeyEdit edit;
    edit.setHotKey({0x41, program::kHotKeyControl});
    EXPECT_EQ(edit.text(), hotKeyText({0x41, program::kHotKeyControl}));
    EXPECT_TRUE(edit.text().endsWith(QLatin1Char('A')));

    EXPECT_FALSE(press(edit, Qt::Key_Escape));
    EXPECT_FALSE(press(edit, Qt::Key_Return));
    EXPECT_EQ(edit.hotKey(), (program::HotKey{0x41, program::kHotKeyControl}));

    press(edit, Qt::Key_Control, Qt::ControlModifier);  // a modifier alone changes nothing
    EXPECT_EQ(edit.hotKey(), (program::HotKey{0x41, program::kHotKeyControl}));

    EXPECT_TRUE(press(edit, Qt::Key_Backspace));
    EXPECT_EQ(edit.hotKey(), program::HotKey{});
    EXPECT_EQ(edit.text(), QString::fromUtf8("无"));
}

}  // namespace
}  // namespace tesvik::ui
