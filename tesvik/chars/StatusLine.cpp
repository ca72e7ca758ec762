#include "tesvik/chars/StatusLine.h"

namespace tesvik::chars {

StatusLine statusLineAfterSelection(StatusLine current, std::optional<std::uint32_t> selected, CodeFormat format,
                                    BlockNamePage page) {
    if (!selected) {
        current.codeText.clear();
        return current;
    }
    current.codeText = codeText(*selected, format);
    if (const auto name = blockNameOf(*selected, page)) current.blockName = messageText(*name);
    return current;
}

}  // namespace tesvik::chars
