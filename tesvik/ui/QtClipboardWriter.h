#pragma once
// The system clipboard as the output service writes to it.
#include "tesvik/shell/OutputService.h"

namespace tesvik::ui {

class QtClipboardWriter final : public tesvik::ClipboardWriter {
public:
    void setText(const std::string& utf8) override;
};

}  // namespace tesvik::ui
