#pragma once
// One import on a worker thread: the progress window shows its steps, the
// engine's messages are shown as message boxes on the window's thread (the
// import waits for each), and "取消" reaches the engine through
// cancelRequested().
#include "pelorin/fonts/FontEntry.h"
#include "pelorin/fonts/GlyphImport.h"
#include "pelorin/ui/ManagerBackend.h"

#include <QObject>

#include <functional>
#include <memory>

class QThread;

namespace pelorin::ui {

class ImportProgressWindow;

struct ImportOutcome {
    bool succeeded = false;
    bool cancelled = false;
    fonts::FontEntry entry;  // as the engine left it
};

class ImportRun : public QObject {
    Q_OBJECT
public:
    // Starts at once; `done` is called on the window's thread when the import
    // has ended and the progress window is gone.
    ImportRun(ManagerBackend& backend, fonts::FontEntry entry, fonts::ImportSettings settings, QWidget* owner,
              std::function<void(const ImportOutcome&)> done);
    ~ImportRun() override;

    ImportProgressWindow* progressWindow() const { return window_; }

private:
    void finish();

    ImportProgressWindow* window_ = nullptr;
    std::unique_ptr<fonts::ImportProgress> progress_;  // outlives the window and the thread
    std::unique_ptr<fonts::MessageSink> messages_;
    QThread* thread_ = nullptr;
    ImportOutcome outcome_;
    std::function<void(const ImportOutcome&)> done_;
};

}  // namespace pelorin::ui
