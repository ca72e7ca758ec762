#pragma once

// The field rules of the two radical pages, as functions the pages call
// after each edit. A refusal carries the message to show and the position
// from which the page selects the field's text.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "common/Result.h"
#include "tesvik/lookup/radical/RadicalSelection.h"
#include "tesvik/messages/Messages.h"

namespace tesvik::lookup {

struct RadicalFieldRefusal {
    Message message;
    std::size_t selectFrom = 0;  // the page selects the field's text from here to the end

    bool operator==(const RadicalFieldRefusal&) const = default;
};

// Whether an accepted edit runs the search.
enum class RadicalFieldAction { Search, NoSearch };

// Radical directory page, count field: one or two digits search; more than
// two characters are refused with "总笔画数仅限输入1-99。", a non-digit with
// "请输入一个整数。"; an emptied field does not search.
lumenar::Result<RadicalFieldAction, RadicalFieldRefusal> checkRadicalCountField(std::string_view text);

// Radical directory page, pinyin field: the text lower-cased; a character
// outside a..z is refused (the selection starts at that character). An
// emptied field gives an empty text, on which the page does not search.
lumenar::Result<std::string, RadicalFieldRefusal> checkRadicalPinyinField(std::string_view text);

// Radical directory page, 查字: the radical list's selection, if any, else
// the current radical must exist ("请在列表框中选择部首。").
lumenar::Status<Message> checkRadicalChosen(bool listHasSelection, const CurrentRadical& current);

// Radical lookup page: a stroke button appends its digit while fewer than
// four strokes are entered, else refuses with "仅限于输入四个笔画信息。".
lumenar::Status<Message> appendRadicalCharStroke(std::string& strokes, char digit);

// Radical lookup page, stroke field after typing: strokes cut to the glyphs
// in the field; more than four refuse with "仅限于输入四个笔画信息。", none
// does not search.
lumenar::Result<RadicalFieldAction, Message> checkRadicalCharStrokeCount(std::size_t glyphCount);

// Radical lookup page, remaining field: digits only, else refused with
// "“%s”不是合法的笔画数，请输入合法的笔画0-9！" (selection from the first
// non-digit). An emptied field gives nullopt (no search). Numbers too long
// for the spin control saturate, and then match no record.
lumenar::Result<std::optional<unsigned>, RadicalFieldRefusal> checkRemainingField(std::string_view text);

// The table text of a message whose "%s" is replaced by argument.
Message radicalMessageWith(MessageId id, std::string_view argument);

}  // namespace tesvik::lookup
