#pragma once
// Helpers of the radical page and dialog tests: keys and shipped data.
#include <QApplication>
#include <QKeyEvent>
#include <QString>
#include <QWidget>

#include "tesvik/program/Settings.h"
#include "tesvik/ui/widgets/PageContext.h"

namespace tesvik::ui::testing {

inline void pressKey(QWidget* receiver, int key, const QString& text = {}) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(receiver, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(receiver, &release);
}

// Types each character of text as its own key.
inline void typeText(QWidget* receiver, const QString& text) {
    for (const QChar c : text) {
        const int key = c.isLetter() ? Qt::Key_A + (c.toUpper().unicode() - 'A') : c.unicode();
        pressKey(receiver, key, QString(c));
    }
}

inline const tesvik::program::Settings& defaultSettings() {
    static const tesvik::program::Settings settings;
    return settings;
}

inline PageContext shippedDataContext(tesvik::program::CharacterOutput* output, std::filesystem::path userDir = {}) {
    PageContext context;
    context.settings = &defaultSettings();
    context.directories.data = LUMENAR_DATA_DIR;
    context.directories.user = userDir.empty() ? std::filesystem::path(LUMENAR_DATA_DIR) : userDir;
    context.output = output;
    return context;
}

}  // namespace tesvik::ui::testing
