#include "pelorin/ui/FileDialogs.h"

#include <QFileDialog>

namespace pelorin::ui {

QString chooseFileToOpen(QWidget* parent, const QString& title, const QString& start, const QString& filter) {
    return QFileDialog::getOpenFileName(parent, title, start, filter);
}

QString chooseFileToSave(QWidget* parent, const QString& title, const QString& start, const QString& filter) {
    return QFileDialog::getSaveFileName(parent, title, start, filter);
}

}  // namespace pelorin::ui
