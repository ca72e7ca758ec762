#include "pelorin/cli/TerminalProgress.h"

#include <unistd.h>

#include <algorithm>
#include <string>

namespace pelorin::cli {
namespace {

volatile std::sig_atomic_t interrupted = 0;

extern "C" void noteInterrupt(int) { interrupted = 1; }

}  // namespace

TerminalProgress::TerminalProgress(std::FILE* out) : out_(out), enabled_(isatty(fileno(out)) == 1) {
    interrupted = 0;
    struct sigaction action {};
    action.sa_handler = noteInterrupt;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, &previousInterrupt_);
}

TerminalProgress::~TerminalProgress() {
    sigaction(SIGINT, &previousInterrupt_, nullptr);
    if (enabled_ && lastDrawnPercent_ >= 0) std::fputc('\n', out_);
}

bool TerminalProgress::cancelRequested() const { return interrupted != 0; }

void TerminalProgress::setRange(int steps) {
    steps_ = std::max(steps, 0);
    done_ = 0;
    lastDrawnPercent_ = -1;
    draw();
}

void TerminalProgress::step() {
    if (done_ < steps_) ++done_;
    draw();
}

void TerminalProgress::draw() {
    if (!enabled_) return;
    const int percent = steps_ == 0 ? 100 : done_ * 100 / steps_;
    if (percent == lastDrawnPercent_) return;
    lastDrawnPercent_ = percent;
    constexpr int kWidth = 40;
    const int filled = percent * kWidth / 100;
    const std::string bar = std::string(filled, '#') + std::string(kWidth - filled, '-');
    std::fprintf(out_, "\r[%s] %3d%% %d/%d", bar.c_str(), percent, done_, steps_);
    std::fflush(out_);
}

}  // namespace pelorin::cli
