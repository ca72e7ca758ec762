#pragma once
// Turns SIGTERM and SIGINT into a call on the event loop's thread, so that
// the program ends through its normal exit path (which restores the
// keyboard map) rather than in the middle of whatever it was doing.
#include <QObject>

#include <functional>

class QSocketNotifier;

namespace tesvik::app {

class SignalQuit : public QObject {
public:
    // Installs the handlers; `onSignal` runs on the event loop for each signal.
    explicit SignalQuit(std::function<void()> onSignal, QObject* parent = nullptr);
    ~SignalQuit() override;

    bool installed() const { return notifier_ != nullptr; }

private:
    void drain();

    std::function<void()> onSignal_;
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace tesvik::app
