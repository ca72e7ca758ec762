#include "tesvik/ui/mainwindow/QtClipboardWriter.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QString>

namespace tesvik::ui {

void QtClipboardWriter::setText(const std::string& utf8) {
    QGuiApplication::clipboard()->setText(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
}

}  // namespace tesvik::ui
