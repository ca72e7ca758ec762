#include "pelorin/ui/ImportRun.h"

#include "pelorin/ui/ImportProgressWindow.h"
#include "pelorin/ui/UiTexts.h"

#include <QMessageBox>
#include <QPointer>
#include <QThread>

#include <atomic>

namespace pelorin::ui {
namespace {

// The engine's progress, forwarded to the window's thread. A step is posted
// only when the window has shown the last one, so a fast import does not
// flood the event queue.
class ForwardedProgress final : public fonts::ImportProgress {
public:
    explicit ForwardedProgress(ImportProgressWindow* window) : window_(window), cancel_(window->cancelFlag()) {}

    void setRange(int steps) override {
        position_ = 0;
        QMetaObject::invokeMethod(
            window_, [w = window_, steps] { w->setRange(steps); }, Qt::QueuedConnection);
    }
    void step() override {
        ++position_;
        if (posted_.exchange(true)) return;
        QMetaObject::invokeMethod(
            window_,
            [this] {
                posted_ = false;
                window_->setPosition(position_.load());
            },
            Qt::QueuedConnection);
    }
    bool cancelRequested() const override { return cancel_.load(); }

private:
    QPointer<ImportProgressWindow> window_;
    const std::atomic<bool>& cancel_;
    std::atomic<int> position_{0};
    std::atomic<bool> posted_{false};
};

// The engine's messages as message boxes over the progress window.
class MessageBoxes final : public fonts::MessageSink {
public:
    explicit MessageBoxes(QWidget* parent) : parent_(parent) {}
    void show(const std::string& message) override {
        const QString text = QString::fromStdString(message);
        QMetaObject::invokeMethod(
            parent_, [p = parent_, text] { QMessageBox::information(p, qtext(text::kWindowTitle), text); },
            Qt::BlockingQueuedConnection);
    }

private:
    QWidget* parent_;
};

}  // namespace

ImportRun::ImportRun(ManagerBackend& backend, fonts::FontEntry entry, fonts::ImportSettings settings, QWidget* owner,
                     std::function<void(const ImportOutcome&)> done)
    : QObject(owner), done_(std::move(done)) {
    window_ = new ImportProgressWindow(owner);
    window_->setModal(false);
    window_->show();
    outcome_.entry = std::move(entry);
    progress_ = std::make_unique<ForwardedProgress>(window_);
    messages_ = std::make_unique<MessageBoxes>(window_);
    thread_ = QThread::create([this, &backend, settings = std::move(settings)] {
        outcome_.succeeded = backend.runImport(outcome_.entry, settings, *messages_, *progress_);
    });
    connect(thread_, &QThread::finished, this, &ImportRun::finish, Qt::QueuedConnection);
    thread_->start();
}

ImportRun::~ImportRun() {
    if (thread_) {
        thread_->wait();
        delete thread_;
    }
}

void ImportRun::finish() {
    thread_->wait();
    // An import that ended before it saw the request has not been cancelled.
    outcome_.cancelled = window_->cancelled() && !outcome_.succeeded;
    // Steps still queued for the window are dropped with it.
    delete window_;
    window_ = nullptr;
    if (done_) done_(outcome_);
}

}  // namespace pelorin::ui
