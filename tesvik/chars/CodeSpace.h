#pragma once

// The code space of a candidate (which colour setting draws it) and the
// Unicode block that the status line names.

#include "tesvik/messages/Messages.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace tesvik::chars {

// Named after the colour setting that draws the class; Black is fixed.
enum class CodeSpaceColour {
    GBKColor,          // CJK unified ideographs of GBK
    GBKEUDCColor,      // GBK user-defined area E000-E864
    GB13000EUDCColor,  // GB13000 user-defined area E865-F8FF
    CJKZACOLOR,        // CJK Extension A
    CJKKZBCOLOR,       // CJK Extensions B to H and every other supplementary character
    Black,             // everything else
};

// The class of a candidate value: a PackedChar, or on the radical and
// stroke-order pages a supplementary scalar. Scalars of Extension B
// (0x20000-0x2A6D5) take CJKKZBCOLOR like their packed pairs do.
CodeSpaceColour codeSpaceColourOf(std::uint32_t value);

// "GBKColor", "GBKEUDCColor", "GB13000EUDCColor", "CJKZACOLOR",
// "CJKKZBCOLOR" or "black".
std::string_view codeSpaceColourName(CodeSpaceColour colour);

// The radical pages also name the radical blocks, and the radical lookup
// page calls the compatibility block by a longer name.
enum class BlockNamePage { Other, RadicalDirectory, RadicalLookup };

// The block name of a value (a packed pair is named by its scalar), or none:
// then the block field keeps the text it had.
std::optional<MessageId> blockNameOf(std::uint32_t value, BlockNamePage page = BlockNamePage::Other);

}  // namespace tesvik::chars
