#pragma once
// The file dialogs of the window and the import dialog. A save dialog asks
// before it replaces a file; both start at `start` (a folder, or a file
// whose folder is shown with its name filled in).
#include <QString>

class QWidget;

namespace pelorin::ui {

QString chooseFileToOpen(QWidget* parent, const QString& title, const QString& start, const QString& filter);
QString chooseFileToSave(QWidget* parent, const QString& title, const QString& start, const QString& filter);

}  // namespace pelorin::ui
