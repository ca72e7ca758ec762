#include "tesvik/index/RadicalGrid.h"

#include "tesvik/display/BuiltInTables.h"

namespace tesvik {
namespace {

bool shownOutsideGbkOnly(PackedChar c) { return c != 0 && (c < 0x4E00 || c > 0x9FBB); }

bool isInitialState(const RadicalCharQuery& query) { return query.remaining == 0 && query.strokes.empty(); }

}  // namespace

std::vector<PackedChar> radicalGridItems(const CurrentRadical& current, const RadicalCharQuery& query,
                                         const std::vector<RadicalCharCandidate>& kept) {
    std::vector<PackedChar> items;
    if (isInitialState(query) && current.radical != 0) {
        items.push_back(current.radical);
        if (kept.empty()) {
            // Packed, so that the ideograph is typed as the character it shows.
            if (const auto ideograph = unifiedFormOfRadical(codePointOf(current.radical))) {
                items.push_back(packCodePoint(*ideograph));
            }
            return items;
        }
    }
    for (const RadicalCharCandidate& candidate : kept) {
        if (!query.outsideGbkOnly || shownOutsideGbkOnly(candidate.character)) items.push_back(candidate.character);
    }
    return items;
}

}  // namespace tesvik
