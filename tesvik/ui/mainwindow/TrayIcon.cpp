#include "tesvik/ui/mainwindow/TrayIcon.h"

#include "tesvik/messages/Messages.h"

#include <QAction>
#include <QFont>
#include <QMenu>
#include <QPainter>
#include <QPixmap>

namespace tesvik::ui {

namespace {

QString text(tesvik::MessageId id) {
    const std::string_view t = tesvik::messageText(id);
    return QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size()));
}

constexpr tesvik::program::TrayCommand kMenuOrder[] = {
    tesvik::program::TrayCommand::Hide, tesvik::program::TrayCommand::Show, tesvik::program::TrayCommand::Exit,
    tesvik::program::TrayCommand::Settings, tesvik::program::TrayCommand::Help};

tesvik::MessageId captionOf(tesvik::program::TrayCommand command) {
    switch (command) {
        case tesvik::program::TrayCommand::Hide:
            return tesvik::MessageId::TrayHide;
        case tesvik::program::TrayCommand::Show:
            return tesvik::MessageId::TrayShow;
        case tesvik::program::TrayCommand::Exit:
            return tesvik::MessageId::TrayExit;
        case tesvik::program::TrayCommand::Settings:
            return tesvik::MessageId::TraySettings;
        case tesvik::program::TrayCommand::Help:
            return tesvik::MessageId::TrayHelp;
    }
    return tesvik::MessageId::TrayHelp;
}

QPixmap drawnIcon(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(178, 34, 34));
    painter.drawRoundedRect(QRectF(0, 0, size, size), size / 6.0, size / 6.0);
    painter.setPen(Qt::white);
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(size * 3 / 4);
    painter.setFont(font);
    painter.drawText(QRect(0, 0, size, size), Qt::AlignCenter, QStringLiteral("T"));
    return pixmap;
}

}  // namespace

QIcon programIcon() {
    QIcon icon;
    for (int size : {16, 22, 32, 48, 64}) icon.addPixmap(drawnIcon(size));
    return icon;
}

TrayIcon::TrayIcon(QObject* parent) : QObject(parent), menu_(new QMenu), icon_(new QSystemTrayIcon(this)) {
    menu_->setObjectName(QStringLiteral("trayMenu"));
    for (tesvik::program::TrayCommand command : kMenuOrder) {
        QAction* a = menu_->addAction(text(captionOf(command)));
        a->setData(static_cast<int>(command));
        if (command != tesvik::program::TrayCommand::Help) {
            connect(a, &QAction::triggered, this, [this, command] { emit commandChosen(command); });
        }
    }
    icon_->setIcon(programIcon());
    icon_->setToolTip(text(tesvik::MessageId::TrayTip));
    icon_->setContextMenu(menu_);
    connect(icon_, &QSystemTrayIcon::activated, this, &TrayIcon::activate);
    setDefaultCommand(tesvik::program::TrayCommand::Hide);
}

TrayIcon::~TrayIcon() {
    icon_->hide();
    delete menu_;
}

void TrayIcon::show() {
    if (QSystemTrayIcon::isSystemTrayAvailable()) icon_->show();
}

bool TrayIcon::isShown() const { return icon_->isVisible(); }

void TrayIcon::setDefaultCommand(tesvik::program::TrayCommand command) {
    defaultCommand_ = command;
    menu_->setDefaultAction(action(command));
}

QAction* TrayIcon::action(tesvik::program::TrayCommand command) const {
    for (QAction* a : menu_->actions()) {
        if (a->data().toInt() == static_cast<int>(command)) return a;
    }
    return nullptr;
}

void TrayIcon::activate(QSystemTrayIcon::ActivationReason reason) {
    if (reason == QSystemTrayIcon::Trigger) emit commandChosen(defaultCommand_);
}

}  // namespace tesvik::ui
