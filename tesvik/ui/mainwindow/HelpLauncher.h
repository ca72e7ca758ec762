#pragma once
// Opens the help: "TSV.chm" from the settings directory when the user put it
// there, else the HTML help shipped with the program, with the desktop's
// default handler. What the handler does is not checked.
#include "tesvik/program/TesvikDirectories.h"

#include <QUrl>

#include <filesystem>
#include <functional>

namespace tesvik::ui {

using UrlOpener = std::function<bool(const QUrl&)>;

// QDesktopServices::openUrl.
bool openWithDesktop(const QUrl& url);

class HelpLauncher {
public:
    HelpLauncher(tesvik::program::TesvikDirectories dirs, std::filesystem::path programPath,
                 UrlOpener opener = openWithDesktop);

    // The document that open() hands to the handler; empty when there is none.
    QUrl document() const;
    void open() const;

private:
    tesvik::program::TesvikDirectories dirs_;
    std::filesystem::path programPath_;
    UrlOpener opener_;
};

}  // namespace tesvik::ui
