#include "tesvik/lookup/radical/UserRadicalFields.h"

#include <algorithm>

#include "tesvik/lookup/files/UserCode.h"

namespace tesvik::lookup {
namespace {

using Refusal = UserRadicalRefusal;

enum class Completeness { CodeAndRemaining, CodeOnly };
enum class RadicalNeed { Required, NotRequired };

// The dialog's checks in order: code, completeness, chosen radical (when
// needed), remaining count against the strokes entered.
lumenar::Result<std::uint16_t, Refusal> checkInOrder(const UserRadicalFields& f, Completeness completeness,
                                                     RadicalNeed radical) {
    using R = lumenar::Result<std::uint16_t, Refusal>;
    const auto code = parseCode(f.codeText);
    if (!code) return R::failure({message(MessageId::CodeValueOutOfRange), UserRadicalField::Code});
    const bool negative = completeness == Completeness::CodeAndRemaining && f.remaining < 0;
    if (f.codeText.empty() || negative) return R::failure({message(MessageId::IncompleteEntry)});
    if (radical == RadicalNeed::Required && !f.chosenKey) return R::failure({message(MessageId::ChooseRadicalFirst)});
    if (f.remaining < static_cast<long long>(f.strokes.size())) {
        return R::failure({message(MessageId::RemainingBelowStrokeCount), UserRadicalField::RemainingCount});
    }
    return *code;
}

lumenar::Result<UserRadicalEntry, Refusal> entryOf(const UserRadicalFields& f, Completeness completeness) {
    using R = lumenar::Result<UserRadicalEntry, Refusal>;
    const auto code = checkInOrder(f, completeness, RadicalNeed::Required);
    if (!code) return R::failure(code.error());
    // The row holds the count in two digits; a larger one would be filed wrongly.
    if (f.remaining > 99)
        return R::failure({message(MessageId::RemainingCountRange), UserRadicalField::RemainingCount});
    return UserRadicalEntry{*code, f.codeText, *f.chosenKey, static_cast<unsigned>(f.remaining), f.strokes};
}

}  // namespace

lumenar::Result<UserRadicalEntry, Refusal> checkAddRadicalFields(const UserRadicalFields& fields) {
    return entryOf(fields, Completeness::CodeAndRemaining);
}

lumenar::Result<UserRadicalEntry, Refusal> checkModifyRadicalFields(const UserRadicalFields& fields) {
    return entryOf(fields, Completeness::CodeOnly);
}

lumenar::Result<std::uint16_t, Refusal> checkDeleteRadicalFields(const UserRadicalFields& fields) {
    return checkInOrder(fields, Completeness::CodeOnly, RadicalNeed::NotRequired);
}

lumenar::Result<unsigned, Message> checkUserRadicalRemainingField(std::string_view text) {
    using R = lumenar::Result<unsigned, Message>;
    if (text.empty() || text.size() > 2) return R::failure(message(MessageId::RemainingCountRange));
    if (!std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return R::failure(message(MessageId::EnterAnInteger));
    }
    return static_cast<unsigned>(std::stoi(std::string(text)));
}

UserRadicalFields fieldsAfterEdit(const UserRadicalFields& fields) {
    return UserRadicalFields{"", fields.chosenKey, 0, ""};
}

}  // namespace tesvik::lookup
