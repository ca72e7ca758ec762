#include "SignalQuit.h"

#include <QSocketNotifier>

#include <fcntl.h>
#include <unistd.h>
#include <cerrno>
#include <csignal>

namespace tesvik::app {

namespace {

int pipeEnds[2] = {-1, -1};

extern "C" void noteSignal(int) {
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(pipeEnds[1], &byte, 1);
    errno = saved;
}

}  // namespace

SignalQuit::SignalQuit(std::function<void()> onSignal, QObject* parent)
    : QObject(parent), onSignal_(std::move(onSignal)) {
    if (pipeEnds[0] < 0 && ::pipe2(pipeEnds, O_CLOEXEC | O_NONBLOCK) != 0) return;
    struct sigaction action {};
    action.sa_handler = noteSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &action, nullptr);
    ::sigaction(SIGINT, &action, nullptr);
    notifier_ = new QSocketNotifier(pipeEnds[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] { drain(); });
}

SignalQuit::~SignalQuit() {
    if (notifier_ == nullptr) return;
    std::signal(SIGTERM, SIG_DFL);
    std::signal(SIGINT, SIG_DFL);
}

void SignalQuit::drain() {
    char buffer[16];
    bool any = false;
    while (::read(pipeEnds[0], buffer, sizeof buffer) > 0) any = true;
    if (any && onSignal_) onSignal_();
}

}  // namespace tesvik::app
