#include "tesvik/ui/widgets/HotKeyEdit.h"

#include "tesvik/messages/Messages.h"

#include <QKeyEvent>
#include <QKeySequence>
#include <array>
#include <utility>

namespace tesvik::ui {

namespace {

struct KeyPair {
    int qtKey;
    std::uint8_t virtualKey;
};

// Keys outside the letter, digit and function-key runs. The first entry of a
// virtual key is the key it is shown as; shifted symbols follow their keys
// as a US layout places them.
constexpr std::array kMainKeys = {
    KeyPair{Qt::Key_Backspace, 0x08},  KeyPair{Qt::Key_Tab, 0x09},         KeyPair{Qt::Key_Backtab, 0x09},
    KeyPair{Qt::Key_Clear, 0x0C},      KeyPair{Qt::Key_Return, 0x0D},      KeyPair{Qt::Key_Enter, 0x0D},
    KeyPair{Qt::Key_Pause, 0x13},      KeyPair{Qt::Key_CapsLock, 0x14},    KeyPair{Qt::Key_Escape, 0x1B},
    KeyPair{Qt::Key_Space, 0x20},      KeyPair{Qt::Key_PageUp, 0x21},      KeyPair{Qt::Key_PageDown, 0x22},
    KeyPair{Qt::Key_End, 0x23},        KeyPair{Qt::Key_Home, 0x24},        KeyPair{Qt::Key_Left, 0x25},
    KeyPair{Qt::Key_Up, 0x26},         KeyPair{Qt::Key_Right, 0x27},       KeyPair{Qt::Key_Down, 0x28},
    KeyPair{Qt::Key_Print, 0x2C},      KeyPair{Qt::Key_Insert, 0x2D},      KeyPair{Qt::Key_Delete, 0x2E},
    KeyPair{Qt::Key_Help, 0x2F},       KeyPair{Qt::Key_ParenRight, 0x30},  KeyPair{Qt::Key_Exclam, 0x31},
    KeyPair{Qt::Key_At, 0x32},         KeyPair{Qt::Key_NumberSign, 0x33},  KeyPair{Qt::Key_Dollar, 0x34},
    KeyPair{Qt::Key_Percent, 0x35},    KeyPair{Qt::Key_AsciiCircum, 0x36}, KeyPair{Qt::Key_Ampersand, 0x37},
    KeyPair{Qt::Key_Asterisk, 0x38},   KeyPair{Qt::Key_ParenLeft, 0x39},   KeyPair{Qt::Key_Menu, 0x5D},
    KeyPair{Qt::Key_NumLock, 0x90},    KeyPair{Qt::Key_ScrollLock, 0x91},  KeyPair{Qt::Key_Semicolon, 0xBA},
    KeyPair{Qt::Key_Colon, 0xBA},      KeyPair{Qt::Key_Equal, 0xBB},       KeyPair{Qt::Key_Plus, 0xBB},
    KeyPair{Qt::Key_Comma, 0xBC},      KeyPair{Qt::Key_Less, 0xBC},        KeyPair{Qt::Key_Minus, 0xBD},
    KeyPair{Qt::Key_Underscore, 0xBD}, KeyPair{Qt::Key_Period, 0xBE},      KeyPair{Qt::Key_Greater, 0xBE},
    KeyPair{Qt::Key_Slash, 0xBF},      KeyPair{Qt::Key_Question, 0xBF},    KeyPair{Qt::Key_QuoteLeft, 0xC0},
    KeyPair{Qt::Key_AsciiTilde, 0xC0}, KeyPair{Qt::Key_BracketLeft, 0xDB}, KeyPair{Qt::Key_BraceLeft, 0xDB},
    KeyPair{Qt::Key_Backslash, 0xDC},  KeyPair{Qt::Key_Bar, 0xDC},         KeyPair{Qt::Key_BracketRight, 0xDD},
    KeyPair{Qt::Key_BraceRight, 0xDD}, KeyPair{Qt::Key_Apostrophe, 0xDE},  KeyPair{Qt::Key_QuoteDbl, 0xDE},
};

// The keypad's operator keys; its digits are 0x60 to 0x69.
constexpr std::array kKeypadOperators = {
    KeyPair{Qt::Key_Asterisk, 0x6A}, KeyPair{Qt::Key_Plus, 0x6B},  KeyPair{Qt::Key_Minus, 0x6D},
    KeyPair{Qt::Key_Period, 0x6E},   KeyPair{Qt::Key_Comma, 0x6E}, KeyPair{Qt::Key_Slash, 0x6F},
};

constexpr std::uint8_t kKeypadZero = 0x60;
constexpr std::uint8_t kF1 = 0x70;
constexpr int kFunctionKeys = 24;

template <std::size_t N>
std::optional<std::uint8_t> virtualKeyIn(const std::array<KeyPair, N>& table, int qtKey) {
    for (const KeyPair& pair : table) {
        if (pair.qtKey == qtKey) return pair.virtualKey;
    }
    return std::nullopt;
}

template <std::size_t N>
std::optional<int> qtKeyIn(const std::array<KeyPair, N>& table, std::uint8_t virtualKey) {
    for (const KeyPair& pair : table) {
        if (pair.virtualKey == virtualKey) return pair.qtKey;
    }
    return std::nullopt;
}

bool isModifierKey(int qtKey) {
    return qtKey == Qt::Key_Shift || qtKey == Qt::Key_Control || qtKey == Qt::Key_Alt || qtKey == Qt::Key_Meta ||
           qtKey == Qt::Key_AltGr || qtKey == Qt::Key_Super_L || qtKey == Qt::Key_Super_R;
}

QString modifiersText(std::uint8_t modifiers) {
    QString text;
    const std::pair<std::uint8_t, Qt::Key> names[] = {{tesvik::program::kHotKeyControl, Qt::Key_Control},
                                                      {tesvik::program::kHotKeyShift, Qt::Key_Shift},
                                                      {tesvik::program::kHotKeyAlt, Qt::Key_Alt}};
    for (const auto& [bit, key] : names) {
        if (modifiers & bit) text += QKeySequence(key).toString(QKeySequence::NativeText) + QLatin1Char('+');
    }
    return text;
}

bool passesToDialog(const QKeyEvent& event) {
    if (event.modifiers() & ~Qt::KeypadModifier) return false;
    const int key = event.key();
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape;
}

bool clearsHotKey(const QKeyEvent& event) {
    return !(event.modifiers() & ~Qt::KeypadModifier) &&
           (event.key() == Qt::Key_Backspace || event.key() == Qt::Key_Delete);
}

}  // namespace

std::optional<std::uint8_t> virtualKeyOfQtKey(int qtKey, bool keypad) {
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return static_cast<std::uint8_t>(qtKey);  // same codes
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) {
        return static_cast<std::uint8_t>(keypad ? kKeypadZero + (qtKey - Qt::Key_0) : qtKey);
    }
    if (qtKey >= Qt::Key_F1 && qtKey < Qt::Key_F1 + kFunctionKeys) {
        return static_cast<std::uint8_t>(kF1 + (qtKey - Qt::Key_F1));
    }
    if (keypad) {
        if (auto op = virtualKeyIn(kKeypadOperators, qtKey)) return op;
    }
    return virtualKeyIn(kMainKeys, qtKey);
}

int qtKeyOfVirtualKey(std::uint8_t vk) {
    if ((vk >= 0x41 && vk <= 0x5A) || (vk >= 0x30 && vk <= 0x39)) return vk;
    if (vk >= kKeypadZero && vk < kKeypadZero + 10) return Qt::Key_0 + (vk - kKeypadZero);
    if (vk >= kF1 && vk < kF1 + kFunctionKeys) return Qt::Key_F1 + (vk - kF1);
    if (auto op = qtKeyIn(kKeypadOperators, vk)) return *op;
    if (auto key = qtKeyIn(kMainKeys, vk)) return *key;
    return Qt::Key_unknown;
}

std::uint8_t hotKeyModifiersOf(Qt::KeyboardModifiers modifiers) {
    std::uint8_t bits = 0;
    if (modifiers & Qt::ShiftModifier) bits |= tesvik::program::kHotKeyShift;
    if (modifiers & Qt::ControlModifier) bits |= tesvik::program::kHotKeyControl;
    if (modifiers & Qt::AltModifier) bits |= tesvik::program::kHotKeyAlt;
    return bits;
}

QString hotKeyText(tesvik::program::HotKey hotKey) {
    if (hotKey.virtualKey == 0 && (hotKey.modifiers & ~tesvik::program::kHotKeyExtended) == 0) {
        return QString::fromUtf8(tesvik::messageText(tesvik::MessageId::SettingsHotKeyNone));
    }
    QString text = modifiersText(hotKey.modifiers);
    if (hotKey.virtualKey == 0) return text;
    const int key = qtKeyOfVirtualKey(hotKey.virtualKey);
    if (key == Qt::Key_unknown) return text + QStringLiteral("0x%1").arg(hotKey.virtualKey, 2, 16, QLatin1Char('0'));
    const bool keypad = hotKey.virtualKey >= kKeypadZero && hotKey.virtualKey <= 0x6F;
    return text + QKeySequence(key | (keypad ? Qt::KeypadModifier : Qt::NoModifier)).toString(QKeySequence::NativeText);
}

HotKeyEdit::HotKeyEdit(QWidget* parent) : QLineEdit(parent) {
    setReadOnly(true);  // no typing, pasting or dropping: only key presses change it
    setContextMenuPolicy(Qt::NoContextMenu);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setFocusPolicy(Qt::StrongFocus);
    showHotKey();
}

void HotKeyEdit::setHotKey(tesvik::program::HotKey hotKey) {
    hotKey_ = hotKey;
    showHotKey();
}

bool HotKeyEdit::event(QEvent* event) {
    // Every combination belongs to the control, not to shortcuts elsewhere.
    if (event->type() == QEvent::ShortcutOverride) {
        event->accept();
        return true;
    }
    return QLineEdit::event(event);
}

void HotKeyEdit::keyPressEvent(QKeyEvent* event) {
    if (passesToDialog(*event)) {
        event->ignore();
        return;
    }
    event->accept();
    if (isModifierKey(event->key())) {
        setText(hotKeyText({0, hotKeyModifiersOf(event->modifiers())}));
        return;
    }
    if (clearsHotKey(*event)) {
        setHotKey({});
        emit hotKeyChanged();
        return;
    }
    const auto virtualKey = virtualKeyOfQtKey(event->key(), event->modifiers() & Qt::KeypadModifier);
    if (!virtualKey) {
        showHotKey();
        return;
    }
    setHotKey({*virtualKey, tesvik::program::hotKeyControlModifiers(hotKeyModifiersOf(event->modifiers()))});
    emit hotKeyChanged();
}

void HotKeyEdit::keyReleaseEvent(QKeyEvent* event) {
    event->accept();
    if (hotKeyModifiersOf(event->modifiers()) == 0) {
        showHotKey();
    } else if (isModifierKey(event->key())) {
        setText(hotKeyText({0, hotKeyModifiersOf(event->modifiers())}));
    }
}

void HotKeyEdit::focusOutEvent(QFocusEvent* event) {
    showHotKey();
    QLineEdit::focusOutEvent(event);
}

void HotKeyEdit::showHotKey() { setText(hotKeyText(hotKey_)); }

}  // namespace tesvik::ui
