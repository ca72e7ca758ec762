#pragma once
// The notification-area icon with its menu "隐藏" "显示" "退出" "设置"
// "LumenarTesvik输入法软件帮助". A left click carries out the menu's default
// item, which the main window keeps at "隐藏" while it is shown and at
// "显示" while it is hidden; the help entry does nothing.
#include "tesvik/program/MainWindowLayout.h"

#include <QIcon>
#include <QObject>
#include <QSystemTrayIcon>

class QAction;
class QMenu;

namespace tesvik::ui {

// The program's icon, drawn: the window and the tray icon carry it.
QIcon programIcon();

class TrayIcon : public QObject {
    Q_OBJECT
public:
    explicit TrayIcon(QObject* parent = nullptr);
    ~TrayIcon() override;

    // Adds the icon when the desktop has a notification area; without one
    // the program runs on without it.
    void show();
    bool isShown() const;

    void setDefaultCommand(tesvik::program::TrayCommand command);
    tesvik::program::TrayCommand defaultCommand() const { return defaultCommand_; }

    QMenu* menu() const { return menu_; }
    QAction* action(tesvik::program::TrayCommand command) const;
    QSystemTrayIcon* systemTrayIcon() const { return icon_; }

signals:
    void commandChosen(tesvik::program::TrayCommand command);

private:
    void activate(QSystemTrayIcon::ActivationReason reason);

    QMenu* menu_;
    QSystemTrayIcon* icon_;
    tesvik::program::TrayCommand defaultCommand_ = tesvik::program::TrayCommand::Hide;
};

}  // namespace tesvik::ui
