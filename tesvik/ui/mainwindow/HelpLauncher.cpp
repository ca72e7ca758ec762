#include "tesvik/ui/mainwindow/HelpLauncher.h"

#include "tesvik/program/HelpDocument.h"

#include <QDesktopServices>
#include <QString>

namespace tesvik::ui {

bool openWithDesktop(const QUrl& url) { return QDesktopServices::openUrl(url); }

HelpLauncher::HelpLauncher(tesvik::program::TesvikDirectories dirs, std::filesystem::path programPath, UrlOpener opener)
    : dirs_(std::move(dirs)), programPath_(std::move(programPath)), opener_(std::move(opener)) {}

QUrl HelpLauncher::document() const {
    const auto file = tesvik::program::helpDocument(dirs_, programPath_);
    if (!file) return {};
    return QUrl::fromLocalFile(QString::fromStdString(file->string()));
}

void HelpLauncher::open() const {
    const QUrl url = document();
    if (!url.isEmpty() && opener_) opener_(url);
}

}  // namespace tesvik::ui
