#pragma once

#include "tesvik/program/SettingsChecks.h"

#include <QLineEdit>
#include <cstdint>
#include <optional>

namespace tesvik::ui {

// The key of a key press as a Windows virtual key (A-Z 0x41-0x5A, 0-9
// 0x30-0x39, F1-F24 0x70-0x87, the keypad, the navigation and punctuation
// keys of a US layout); none for modifiers and keys without one.
std::optional<std::uint8_t> virtualKeyOfQtKey(int qtKey, bool keypad);

// The Qt key a virtual key names (Qt::Key_unknown when none).
int qtKeyOfVirtualKey(std::uint8_t virtualKey);

// Hot-key-control modifier bits (Shift 1, Ctrl 2, Alt 4) of held Qt modifiers.
std::uint8_t hotKeyModifiersOf(Qt::KeyboardModifiers modifiers);

// The text a hot key control shows for a value, e.g. "Ctrl+Shift+A".
QString hotKeyText(tesvik::program::HotKey hotKey);

// A hot key control: shows a (virtual key, modifier bits) pair and takes the
// next key pressed with its modifiers. Combinations the control does not
// allow become Ctrl + key; Backspace or Delete alone clears it; Tab, Enter and
// Esc alone are left to the dialog.
class HotKeyEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit HotKeyEdit(QWidget* parent = nullptr);

    void setHotKey(tesvik::program::HotKey hotKey);
    tesvik::program::HotKey hotKey() const { return hotKey_; }

signals:
    void hotKeyChanged();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void showHotKey();

    tesvik::program::HotKey hotKey_;
};

}  // namespace tesvik::ui
