#pragma once
// The system clipboard as the output service writes to it.
#include "tesvik/program/OutputService.h"

namespace tesvik::ui {

class QtClipboardWriter final : public tesvik::program::ClipboardWriter {
public:
    void setText(const std::string& utf8) override;
};

}  // namespace tesvik::ui
