#include "tesvik/index/UserRadicalFields.h"

#include <algorithm>

namespace tesvik {
namespace {

using Refusal = UserRadicalRefusal;

// TODO: replace with the shared parseCode once the stroke side provides it.
std::optional<std::uint16_t> parseCodeShim(std::string_view text) {
    if (text.size() != 4) return std::nullopt;
    unsigned value = 0;
    for (char c : text) {
        unsigned digit = 0;
        if (c >= '0' && c <= '9') digit = static_cast<unsigned>(c - '0');
        else if (c >= 'a' && c <= 'f') digit = static_cast<unsigned>(c - 'a' + 10);
        else if (c >= 'A' && c <= 'F') digit = static_cast<unsigned>(c - 'A' + 10);
        else return std::nullopt;
        value = value * 16 + digit;
    }
    if (value < 0xE000 || value > 0xF8FF) return std::nullopt;
    return static_cast<std::uint16_t>(value);
}

enum class Completeness { CodeAndRemaining, CodeOnly };
enum class RadicalNeed { Required, NotRequired };


// Checks 1 to 4 of the dialog, in order; check 3 only when a radical is needed.
lumenar::Result<std::uint16_t, Refusal> checkInOrder(const UserRadicalFields& f, Completeness completeness,
                                                     RadicalNeed radical) {
    using R = lumenar::Result<std::uint16_t, Refusal>;
    const auto code = parseCodeShim(f.codeText);
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
    if (f.remaining > 99) return R::failure({message(MessageId::RemainingCountRange), UserRadicalField::RemainingCount});
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

}  // namespace tesvik
