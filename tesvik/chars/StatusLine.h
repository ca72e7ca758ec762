#pragma once

// The two text fields under every candidate list: the block name and the
// code of the selected candidate.

#include "tesvik/chars/CodeSpace.h"
#include "tesvik/chars/CodeText.h"

#include <cstdint>
#include <optional>
#include <string>

namespace tesvik::chars {

struct StatusLine {
    std::string blockName;
    std::string codeText;

    bool operator==(const StatusLine&) const = default;
};

// The fields after the list's selection changed to `selected` (none when the
// list has no selection): without a selection the code is emptied and the
// block name kept; a value in no named block also keeps the block name.
StatusLine statusLineAfterSelection(StatusLine current, std::optional<std::uint32_t> selected, CodeFormat format,
                                    BlockNamePage page = BlockNamePage::Other);

}  // namespace tesvik::chars
