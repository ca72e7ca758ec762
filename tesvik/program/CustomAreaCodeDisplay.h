#pragma once

// The code field of the custom-area page: the selected cell's code in the
// chosen form. Switching the form converts the text that is shown.

#include "tesvik/chars/CodeText.h"

#include <cstdint>
#include <optional>
#include <string>

namespace tesvik::program {

class CustomAreaCodeDisplay {
public:
    // The grid's selection changed (none: the field empties).
    void showSelection(std::optional<std::uint32_t> codePoint);
    // The form list's selection changed. Nothing happens when the form is
    // the one in force or the field is empty.
    void switchFormat(chars::CodeFormat format);

    chars::CodeFormat format() const { return format_; }
    const std::string& text() const { return text_; }

private:
    chars::CodeFormat format_ = chars::CodeFormat::Unicode;
    std::string text_;
};

}  // namespace tesvik::program
