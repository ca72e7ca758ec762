#pragma once

// The input rules of the stroke-order page and the stroke buttons, as plain
// functions: the page calls them and shows the message they return.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "common/Result.h"
#include "tesvik/messages/Messages.h"

namespace tesvik::lookup {

inline constexpr std::size_t kMaxEnteredStrokes = 10;

// The glyph of a stroke digit '1'..'5' (一 丨 丿 丶 乙, UTF-8); empty for any
// other character.
std::string_view strokeGlyph(char digit);
// The glyphs of a digit string, one per digit.
std::string strokeGlyphs(std::string_view digits);
// The stroke digits of a glyph text (UTF-8), one per stroke glyph in the
// order they stand; other characters have no digit and are skipped. The
// stroke field is read back this way, so a glyph inserted or removed in the
// middle changes the strokes in the same place.
std::string strokeDigitsOf(std::string_view glyphs);

// A stroke button (digit '1'..'5'): appends the digit while fewer than ten
// strokes are entered, else refuses with "仅限于输入十个笔画信息" and leaves
// strokes unchanged (the page then does not search).
lumenar::Status<Message> pressStrokeButton(std::string& strokes, char digit);
// 后退: removes the last stroke, if any.
void removeLastStroke(std::string& strokes);

// A key typed into the stroke field. The first five characters of the
// configured stroke keys stand for strokes 1 to 5 and are compared exactly as
// typed. Any other key is refused with "输入有误，请输入代表笔画信息的快捷键：%s"
// naming the configured key list. (Backspace is the field's own and is not
// passed here.)
lumenar::Result<char, Message> strokeDigitForKey(char32_t key, std::string_view strokeKeys);

struct StrokeFieldUpdate {
    std::string strokes;  // the query's strokes after the change
    bool runSearch = false;
    std::optional<Message> message;  // shown instead of searching
};

// After the stroke field changed: appends the digit of the stroke key just
// typed (if any), cuts strokes to the field's glyph count, and searches when
// strokes are not empty. More than ten glyphs refuse with "仅限于输入十个笔画信息"
// and leave strokes unchanged (the page takes the extra glyph out again).
StrokeFieldUpdate afterStrokeFieldChange(std::string strokes, std::optional<char> typedDigit, std::size_t glyphCount);

struct CountFieldRefusal {
    Message message;  // "“%s”不是合法的笔画数，请输入合法的笔画0-9！" with the field's text
    std::size_t selectFrom;  // the first non-digit, in characters: select from there to the end
};

// The count field after a change: the count to search with; nullopt when the
// field was emptied (no search). Counts beyond the 32-bit range saturate.
lumenar::Result<std::optional<std::uint32_t>, CountFieldRefusal> checkStrokeCountField(std::string_view text);

}  // namespace tesvik::lookup
