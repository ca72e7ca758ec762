#include "tesvik/lookup/radical/RadicalGrid.h"

#include "tesvik/chars/BuiltInTables.h"

namespace tesvik::lookup {
namespace {

bool shownOutsideGbkOnly(chars::PackedChar c) { return c != 0 && (c < 0x4E00 || c > 0x9FBB); }

bool isInitialState(const RadicalCharQuery& query) { return query.remaining == 0 && query.strokes.empty(); }

}  // namespace

std::vector<chars::PackedChar> radicalGridItems(const CurrentRadical& current, const RadicalCharQuery& query,
                                                const std::vector<RadicalCharCandidate>& kept) {
    std::vector<chars::PackedChar> items;
    if (isInitialState(query) && current.radical != 0) {
        items.push_back(current.radical);
        if (kept.empty()) {
            // Packed, so that the ideograph is typed as the character it shows.
            if (const auto ideograph = chars::unifiedFormOfRadical(chars::codePointOf(current.radical))) {
                items.push_back(chars::packCodePoint(*ideograph));
            }
            return items;
        }
    }
    for (const RadicalCharCandidate& candidate : kept) {
        if (!query.outsideGbkOnly || shownOutsideGbkOnly(candidate.character)) items.push_back(candidate.character);
    }
    return items;
}

}  // namespace tesvik::lookup
