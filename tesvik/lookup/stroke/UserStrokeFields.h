#pragma once

// The field checks of the user stroke character dialog, as plain functions:
// the dialog calls them and shows the message they return.

#include <cstdint>
#include <string>
#include <string_view>

#include "common/Result.h"
#include "tesvik/lookup/stroke/StrokeRecords.h"
#include "tesvik/messages/Messages.h"

namespace tesvik::lookup {

// The total field after a change: one or two digits are accepted. A text of
// one or two characters with a non-digit is refused with "请输入一个整数。",
// any other length (an emptied field too) with "总笔画数仅限输入1-99。"; on
// refusal the last accepted total is restored.
lumenar::Status<Message> checkTotalEdit(std::string_view text);

// The dialog's fields as typed.
struct UserStrokeFields {
    std::string codeText;  // four hexadecimal digits
    std::string total;     // total stroke count, one or two digits
    std::string strokes;   // stroke digits "1".."5", at most ten
};

enum class FieldFocus { Unchanged, CodeField, TotalField };

struct FieldRefusal {
    Message message;
    FieldFocus focus = FieldFocus::Unchanged;  // where the dialog puts the focus
};

// The checked fields: the code as typed and as a value, and the table row
// they make.
struct UserStrokeEntry {
    std::string codeText;
    std::uint16_t code = 0;
    UserStrokeRow row;
};

// The checks 添加, 修改 and 删除 share, in order: the code (four digits
// naming a user code); every field filled and total not "0"; total not
// smaller than the number of strokes. A total or strokes the dialog's own
// fields could not hold are refused as those fields refuse them.
lumenar::Result<UserStrokeEntry, FieldRefusal> checkUserStrokeFields(const UserStrokeFields& fields);

}  // namespace tesvik::lookup
