#pragma once
// Notices font changes: fonts added to or removed from fontconfig's font
// folders, and changed configuration (an EUDC link made by `pelorin link`
// in a terminal is a configuration file). A burst of changes is reported
// once, after the folders have been quiet for a moment.
#include <QFileSystemWatcher>
#include <QObject>
#include <QStringList>
#include <QTimer>

#include <filesystem>
#include <vector>

namespace pelorin::ui {

// What to watch: every font folder fontconfig scans and every configuration
// file and folder it read, with `extraFolders` (folders fontconfig may not
// know yet, such as an empty user fonts folder).
QStringList fontconfigWatchPaths(const std::vector<std::filesystem::path>& extraFolders);

class FontconfigWatch : public QObject {
    Q_OBJECT
public:
    FontconfigWatch(std::vector<std::filesystem::path> extraFolders, int quietMs, QObject* parent = nullptr);

signals:
    void fontsChanged();

private:
    void rewatch();

    std::vector<std::filesystem::path> extraFolders_;
    QFileSystemWatcher watcher_;
    QTimer quiet_;
};

}  // namespace pelorin::ui
