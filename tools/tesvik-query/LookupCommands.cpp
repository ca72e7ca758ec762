#include <algorithm>

#include "tesvik/chars/CodeText.h"
#include "tesvik/lookup/radical/RadicalCharSearch.h"
#include "tesvik/lookup/radical/RadicalGrid.h"
#include "tesvik/lookup/radical/RadicalPageInput.h"
#include "tesvik/lookup/radical/RadicalSearch.h"
#include "tesvik/lookup/radical/RadicalSelection.h"
#include "tesvik/lookup/stroke/StrokePageInput.h"
#include "tesvik/lookup/stroke/StrokeSearch.h"
#include "tools/tesvik-query/Commands.h"
#include "tools/tesvik-query/StrokeKeys.h"

namespace tesvik::query {

lumenar::Result<std::string, Message> strokeDigitsOfKeys(std::string_view typed) {
    std::string digits;
    for (const char key : typed) {
        const auto digit = lookup::strokeDigitForKey(static_cast<unsigned char>(key), kQueryStrokeKeys);
        if (!digit) return lumenar::Result<std::string, Message>::failure(digit.error());
        digits += digit.value();
    }
    return digits;
}

namespace {

int runStrokes(const CommandLine& line, QueryContext& context) {
    lookup::StrokeQuery query;
    if (const auto count = line.option("count")) {
        const auto checked = lookup::checkStrokeCountField(*count);
        if (!checked) return reportMessage(context, checked.error().message);
        query.count = checked.value().value_or(0);
    }
    if (const auto typed = line.option("strokes")) {
        const auto digits = strokeDigitsOfKeys(*typed);
        if (!digits) return reportMessage(context, digits.error());
        for (const char digit : digits.value()) {
            const auto pressed = lookup::pressStrokeButton(query.strokes, digit);
            if (!pressed) return reportMessage(context, pressed.error());
        }
    }
    query.tolerance = line.has("tolerance");
    query.outsideGbkOnly = line.has("outside-gbk");

    const auto found = lookup::searchByStrokes(context.dataDir, context.userDir, query);
    if (!found) return reportMessages(context, found.error());
    for (const lookup::StrokeCandidate& candidate : found.value()) {
        if (query.outsideGbkOnly && !lookup::isOutsideGbk(candidate.character)) continue;
        printCandidate(context, candidate.character, candidate.sourceMarker);
    }
    return kExitSuccess;
}

int runRadicals(const CommandLine& line, QueryContext& context) {
    lookup::RadicalQuery query;
    if (const auto typed = line.option("strokes")) {
        const auto digits = strokeDigitsOfKeys(*typed);
        if (!digits) return reportMessage(context, digits.error());
        query.strokes = digits.value();
    }
    if (const auto count = line.option("count")) {
        const auto checked = lookup::checkRadicalCountField(*count);
        if (!checked) return reportMessage(context, checked.error().message);
        if (checked.value() == lookup::RadicalFieldAction::Search) query.count = *count;
    }
    if (const auto pinyin = line.option("pinyin")) {
        const auto checked = lookup::checkRadicalPinyinField(*pinyin);
        if (!checked) return reportMessage(context, checked.error().message);
        query.pinyin = checked.value();
    }
    for (const lookup::RadicalCandidate& candidate : lookup::searchRadicals(context.dataDir, query)) {
        context.terminal.out << chars::unicodeCodeText(candidate.radical) << '\t' << characterText(candidate.radical)
                             << '\t' << candidate.key.text() << '\n';
    }
    return kExitSuccess;
}

int runByRadical(const CommandLine& line, QueryContext& context) {
    const auto key = lookup::RadicalKey::fromText(line.option("key").value_or(""));
    if (!key) return usageError(context, "--key needs a radical key of four characters");

    // The radical character comes from the first radical table record with
    // the key; none when no record has it.
    const lookup::RadicalCandidate candidate =
        lookup::radicalWithKey(context.dataDir, *key).value_or(lookup::RadicalCandidate{0, *key});
    lookup::CurrentRadical current;
    lookup::confirmRadical(current, candidate,
                           line.has("alias") ? lookup::KeyAliasing::UpperCasedAndAliased : lookup::KeyAliasing::None);

    lookup::RadicalCharQuery query;
    if (const auto remaining = line.option("remaining")) {
        const auto checked = lookup::checkRemainingField(*remaining);
        if (!checked) return reportMessage(context, checked.error().message);
        query.remaining = checked.value().value_or(0);
    }
    if (const auto typed = line.option("strokes")) {
        const auto digits = strokeDigitsOfKeys(*typed);
        if (!digits) return reportMessage(context, digits.error());
        for (const char digit : digits.value()) {
            const auto appended = lookup::appendRadicalCharStroke(query.strokes, digit);
            if (!appended) return reportMessage(context, appended.error());
        }
    }
    query.outsideGbkOnly = line.has("outside-gbk");

    // A search stopped by a file is reported, and the grid is still filled
    // from the kept list, as the page does.
    const auto found = lookup::searchByRadical(context.dataDir, context.userDir, current.key, query);
    const int status = found.stoppedBy ? reportMessage(context, *found.stoppedBy) : kExitSuccess;
    const std::vector<lookup::RadicalCharCandidate>& kept = found.kept;

    // The grid ends with the shown candidates; anything in front of them (the
    // radical itself and its ideograph) comes from no record.
    std::vector<lookup::RadicalCharCandidate> shown;
    for (const lookup::RadicalCharCandidate& c : kept) {
        if (!query.outsideGbkOnly || lookup::isOutsideGbk(c.character)) shown.push_back(c);
    }
    const std::vector<chars::PackedChar> items = lookup::radicalGridItems(current, query, kept);
    const std::size_t firstFromRecords = items.size() - std::min(items.size(), shown.size());
    for (std::size_t i = 0; i < items.size(); ++i) {
        std::optional<char> marker;
        if (i >= firstFromRecords) marker = shown[i - firstFromRecords].marker;
        printCandidate(context, items[i], marker);
    }
    return status;
}

}  // namespace

std::vector<Command> lookupCommands() {
    return {
        {"strokes",
         "[--count N] [--strokes DIGITS] [--tolerance] [--outside-gbk]",
         {{"count", "strokes"}, {"tolerance", "outside-gbk"}},
         runStrokes},
        {"radicals",
         "[--strokes DIGITS] [--count TEXT] [--pinyin TEXT]",
         {{"strokes", "count", "pinyin"}, {}},
         runRadicals},
        {"by-radical",
         "--key KEY [--alias] [--remaining N] [--strokes DIGITS] [--outside-gbk]",
         {{"key", "remaining", "strokes"}, {"alias", "outside-gbk"}},
         runByRadical},
    };
}

}  // namespace tesvik::query
