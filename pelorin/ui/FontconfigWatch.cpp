#include "pelorin/ui/FontconfigWatch.h"

#include "platform/FontconfigHandles.h"

#include <fontconfig/fontconfig.h>

#include <QFileInfo>

namespace pelorin::ui {
namespace {

void addAll(FcStrList* list, QStringList& out) {
    if (!list) return;
    while (FcChar8* item = FcStrListNext(list)) out << QString::fromLocal8Bit(reinterpret_cast<const char*>(item));
    FcStrListDone(list);
}

}  // namespace

QStringList fontconfigWatchPaths(const std::vector<std::filesystem::path>& extraFolders) {
    QStringList paths;
    // A configuration read afresh: files written since the program started count.
    if (const platform::fontconfig::ConfigPtr config{FcInitLoadConfigAndFonts()}) {
        addAll(FcConfigGetFontDirs(config.get()), paths);
        addAll(FcConfigGetConfigDirs(config.get()), paths);
        addAll(FcConfigGetConfigFiles(config.get()), paths);
    }
    for (const std::filesystem::path& folder : extraFolders) paths << QString::fromStdString(folder.string());
    QStringList existing;
    for (const QString& path : paths)
        if (QFileInfo::exists(path) && !existing.contains(path)) existing << path;
    return existing;
}

FontconfigWatch::FontconfigWatch(std::vector<std::filesystem::path> extraFolders, int quietMs, QObject* parent)
    : QObject(parent), extraFolders_(std::move(extraFolders)) {
    quiet_.setSingleShot(true);
    quiet_.setInterval(quietMs);
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, &quiet_, qOverload<>(&QTimer::start));
    connect(&watcher_, &QFileSystemWatcher::fileChanged, &quiet_, qOverload<>(&QTimer::start));
    connect(&quiet_, &QTimer::timeout, this, [this] {
        // A file replaced by rename drops out of the watch, and a new folder
        // or rule file may have appeared: watch the paths afresh.
        rewatch();
        emit fontsChanged();
    });
    rewatch();
}

void FontconfigWatch::rewatch() {
    const QStringList watched = watcher_.files() + watcher_.directories();
    if (!watched.isEmpty()) watcher_.removePaths(watched);
    const QStringList paths = fontconfigWatchPaths(extraFolders_);
    if (!paths.isEmpty()) watcher_.addPaths(paths);
}

}  // namespace pelorin::ui
