#pragma once
// A character's info as labelled lines of text, the same in the info view
// and in `tesvik-query info`.
#include "tesvik/lookup/CharacterInfo.h"
#include "tesvik/messages/Messages.h"

#include <string>
#include <vector>

namespace tesvik::program {

struct InfoLine {
    MessageId label;
    std::string text;  // UTF-8
};

// Character, Unicode (U+ form), GB18030 (bytes), block, code space, strokes,
// radical, readings, twin; "无" where the data knows nothing.
std::vector<InfoLine> infoLines(const lookup::CharacterInfo& info);

}  // namespace tesvik::program
