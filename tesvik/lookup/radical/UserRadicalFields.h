#pragma once

// The checks the radical registration dialog makes on its fields before
// 添加, 修改 and 删除, in the dialog's order, and the rule of its remaining
// count field.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "common/Result.h"
#include "tesvik/lookup/radical/RadicalRecords.h"
#include "tesvik/lookup/radical/UserRadicalTable.h"
#include "tesvik/messages/Messages.h"

namespace tesvik::lookup {

// The dialog's fields as the user left them.
struct UserRadicalFields {
    std::string codeText;                 // four hexadecimal digits
    std::optional<RadicalKey> chosenKey;  // the radical chosen in the list, if any
    int remaining = 0;                    // strokes outside the radical
    std::string strokes;                  // up to three first strokes and the last one
};

// The field that takes the focus after a refusal.
enum class UserRadicalField { None, Code, RemainingCount };

struct UserRadicalRefusal {
    Message message;
    UserRadicalField focus = UserRadicalField::None;

    bool operator==(const UserRadicalRefusal&) const = default;
};

// 添加: code, completeness, chosen radical, remaining count against strokes.
lumenar::Result<UserRadicalEntry, UserRadicalRefusal> checkAddRadicalFields(const UserRadicalFields& fields);

// 修改: as 添加, with completeness judged on the code text alone.
lumenar::Result<UserRadicalEntry, UserRadicalRefusal> checkModifyRadicalFields(const UserRadicalFields& fields);

// 删除: code, code text given, remaining count against strokes; no radical needed.
lumenar::Result<std::uint16_t, UserRadicalRefusal> checkDeleteRadicalFields(const UserRadicalFields& fields);

// The remaining count field after an edit: one or two digits are accepted;
// otherwise the last accepted value is restored and the message shown.
lumenar::Result<unsigned, Message> checkUserRadicalRemainingField(std::string_view text);

// The fields after a successful edit: code, strokes and remaining count
// (back to 0) are cleared, the chosen radical key stays, so that the next
// 添加 files under the same radical unless another one is selected.
UserRadicalFields fieldsAfterEdit(const UserRadicalFields& fields);

}  // namespace tesvik::lookup
