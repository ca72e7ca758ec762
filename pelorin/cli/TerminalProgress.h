#pragma once

#include "pelorin/fonts/ImportProgress.h"

#include <csignal>
#include <cstdio>

namespace pelorin::cli {

// A progress bar on standard error, drawn only when it is a terminal. While
// it exists, Ctrl+C (SIGINT) asks the work to stop instead of ending the
// program at once.
class TerminalProgress final : public fonts::ImportProgress {
public:
    explicit TerminalProgress(std::FILE* out);
    ~TerminalProgress() override;
    TerminalProgress(const TerminalProgress&) = delete;
    TerminalProgress& operator=(const TerminalProgress&) = delete;
    void setRange(int steps) override;
    void step() override;
    bool cancelRequested() const override;

private:
    void draw();

    struct sigaction previousInterrupt_ {};
    std::FILE* out_;
    bool enabled_;
    int steps_ = 0;
    int done_ = 0;
    int lastDrawnPercent_ = -1;
};

}  // namespace pelorin::cli
