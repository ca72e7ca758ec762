#pragma once

// The code field of the status line: a character's code as Unicode or
// GB18030 hexadecimal text, and the switch between the two.

#include "tesvik/chars/CodeSpace.h"
#include "tesvik/messages/Messages.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace tesvik::chars {

// The entries of every code format list, in this order.
enum class CodeFormat { Unicode = 0, Gb18030 = 1 };

MessageId codeFormatName(CodeFormat format);

// Upper-case hexadecimal scalar, at least 4 digits: "0041", "4E00", "20000".
// A packed pair is shown as its scalar.
std::string unicodeCodeText(std::uint32_t value);

// The GB18030 bytes of the character, two upper-case digits each, padded to
// 4 digits: "D2BB", "8139EE39", "0041". A value that names no character
// shows the substitute "?" ("003F").
std::string gb18030CodeText(std::uint32_t value);

std::string codeText(std::uint32_t value, CodeFormat format);

// The shown code text re-expressed in `to`. A text that is no code of one
// character in the other format (including a one-byte code) keeps its
// digits; the result is always upper-cased and padded to 4 digits.
std::string switchCodeFormat(std::string_view text, CodeFormat to);

// Everything the status line shows for one value.
struct CodeDisplay {
    std::string codeText;
    std::optional<MessageId> blockName;  // none: the block field keeps its text
    CodeSpaceColour colour;
};

CodeDisplay describeCode(std::uint32_t value, CodeFormat format, BlockNamePage page = BlockNamePage::Other);

}  // namespace tesvik::chars
