#pragma once

#include "pelorin/fonts/ImportProgress.h"

#include <cstdio>

namespace pelorin::cli {

// A progress bar on standard error, drawn only when it is a terminal.
class TerminalProgress final : public fonts::ImportProgress {
public:
    explicit TerminalProgress(std::FILE* out);
    ~TerminalProgress() override;
    void setRange(int steps) override;
    void step() override;

private:
    void draw();

    std::FILE* out_;
    bool enabled_;
    int steps_ = 0;
    int done_ = 0;
    int lastDrawnPercent_ = -1;
};

}  // namespace pelorin::cli
