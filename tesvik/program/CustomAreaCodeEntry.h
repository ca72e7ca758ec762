#pragma once

// The code-value entry of the custom-area page: the user types a Unicode
// code value in hexadecimal (up to five digits) and the preview shows the
// character it names, ready to be output.

#include "tesvik/chars/PackedChar.h"
#include "tesvik/messages/Messages.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tesvik::program {

inline constexpr std::size_t kCodeEntryMaxLength = 5;
inline constexpr std::uint32_t kCodeEntryMaxValue = 0xFFFFF;

// The value an entry text names: 0 for an empty text; none for a text that
// does not start with a hexadecimal digit, is longer than five characters
// or names a value above 0xFFFFF. Reading stops at the first character that
// is not a hexadecimal digit.
std::optional<std::uint32_t> readCodeEntry(std::string_view text);

// The preview item of an accepted value: the value itself below 0x10000,
// its surrogate pair packed above.
chars::PackedChar codeEntryPreviewOf(std::uint32_t value);

// Whether the preview item names a character that can be output: not the
// empty value 0 and not a lone surrogate.
bool isOutputtableCodeEntry(chars::PackedChar preview);

// What the entry and its preview show after one change of the text.
struct CodeEntryOutcome {
    std::string text;                   // the entry's text from now on
    chars::PackedChar preview = 0;      // the preview item
    std::optional<MessageId> rejected;  // the message to show when the text was refused
    bool operator==(const CodeEntryOutcome&) const = default;
};

// The entry's state across changes. A refused text gives way to the last
// accepted one, so the entry and its preview always agree.
class CodeValueEntry {
public:
    CodeEntryOutcome change(std::string_view text);

    const std::string& text() const { return accepted_; }
    chars::PackedChar preview() const { return preview_; }
    // The preview item when it can be output, else none.
    std::optional<chars::PackedChar> output() const;

private:
    std::string accepted_;
    chars::PackedChar preview_ = 0;
};

}  // namespace tesvik::program
