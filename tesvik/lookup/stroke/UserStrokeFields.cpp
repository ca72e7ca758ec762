#include "tesvik/lookup/stroke/UserStrokeFields.h"

#include <algorithm>

#include "tesvik/lookup/files/UserCode.h"
#include "tesvik/lookup/stroke/StrokePageInput.h"

namespace tesvik::lookup {
namespace {

bool allDigits(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool allStrokeDigits(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '1' && c <= '5'; });
}

int numberOf(std::string_view digits) {
    int value = 0;
    for (char c : digits) value = value * 10 + (c - '0');
    return value;
}

// Strokes come from the stroke buttons, so only a caller other than the dialog
// passes other characters; it is told the digits that stand for strokes.
Message strokeDigitsExpected() {
    std::string text(messageText(MessageId::InvalidStrokeKey));
    text.replace(text.find("%s"), 2, "12345");
    return Message{MessageId::InvalidStrokeKey, text};
}

UserStrokeRow rowFor(std::uint16_t code, std::string_view total, std::string_view strokes) {
    UserStrokeRow row;
    row.count.chars = total.size() == 1 ? std::array<char, 2>{'0', total[0]} : std::array<char, 2>{total[0], total[1]};
    row.strokes.fill('0');
    std::copy(strokes.begin(), strokes.end(), row.strokes.begin());
    row.character = code;
    row.marker = kUserStrokeMarker;
    return row;
}

}  // namespace

lumenar::Status<Message> checkTotalEdit(std::string_view text) {
    using S = lumenar::Status<Message>;
    if (text.size() < 1 || text.size() > 2) return S::failure(message(MessageId::TotalStrokesRange));
    if (!allDigits(text)) return S::failure(message(MessageId::EnterAnInteger));
    return {};
}

lumenar::Result<UserStrokeEntry, FieldRefusal> checkUserStrokeFields(const UserStrokeFields& fields) {
    using R = lumenar::Result<UserStrokeEntry, FieldRefusal>;
    const auto code = parseCode(fields.codeText);
    if (!code) return R::failure({message(MessageId::CodeValueOutOfRange), FieldFocus::CodeField});

    if (fields.strokes.empty() || fields.codeText.empty() || fields.total.empty() || fields.total == "0") {
        return R::failure({message(MessageId::IncompleteEntry)});
    }
    if (const auto total = checkTotalEdit(fields.total); !total) {
        return R::failure({total.error(), FieldFocus::TotalField});
    }
    if (fields.strokes.size() > kMaxEnteredStrokes) return R::failure({message(MessageId::TenStrokesOnly)});
    if (!allStrokeDigits(fields.strokes)) {
        return R::failure({strokeDigitsExpected()});
    }
    if (numberOf(fields.total) < static_cast<int>(fields.strokes.size())) {
        return R::failure({message(MessageId::TotalBelowStrokeCount), FieldFocus::TotalField});
    }
    return UserStrokeEntry{fields.codeText, *code, rowFor(*code, fields.total, fields.strokes)};
}

}  // namespace tesvik::lookup
