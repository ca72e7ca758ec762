#pragma once
// Typing into widgets in the page and dialog tests: key press and
// release events sent straight to a widget, as the keyboard would.
#include <QApplication>
#include <QKeyEvent>
#include <QString>
#include <QWidget>

namespace tesvik::ui::testing {

inline Qt::Key keyOf(QChar c) {
    const char16_t u = c.toUpper().unicode();
    if ((u >= u'0' && u <= u'9') || (u >= u'A' && u <= u'Z')) return static_cast<Qt::Key>(u);
    if (u == u' ') return Qt::Key_Space;
    return Qt::Key_unknown;
}

inline void pressKey(QWidget* widget, int key, const QString& text = {}, Qt::KeyboardModifiers modifiers = {}) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(widget, &release);
}

inline void typeText(QWidget* widget, const QString& text) {
    for (const QChar c : text) pressKey(widget, keyOf(c), QString(c));
}

// Only the press, as of a key held down; true when a receiver accepted it.
inline bool pressOnly(QWidget* widget, int key, const QString& text = {}) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &press);
    return press.isAccepted();
}

inline void focusOn(QWidget* widget) {
    widget->setFocus(Qt::OtherFocusReason);
    QApplication::processEvents();
}

inline void pressBackspace(QWidget* widget) { pressKey(widget, Qt::Key_Backspace, QStringLiteral("\b")); }
inline void pressEnter(QWidget* widget) { pressKey(widget, Qt::Key_Return, QStringLiteral("\r")); }

}  // namespace tesvik::ui::testing
