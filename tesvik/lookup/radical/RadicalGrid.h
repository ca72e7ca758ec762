#pragma once

// What the radical lookup page's candidate grid shows for a search result.

#include <vector>

#include "tesvik/chars/PackedChar.h"
#include "tesvik/lookup/radical/RadicalCharSearch.h"
#include "tesvik/lookup/radical/RadicalSelection.h"

namespace tesvik::lookup {

// The grid's values, in order:
// - the kept candidates, without those inside 0x4E00..0x9FBB (and without 0)
//   when query.outsideGbkOnly is set;
// - in the page's initial state (remaining 0, no strokes) the current radical
//   in front, unfiltered;
// - in that state with no candidate at all, the radical followed by the
//   ideograph of the same shape when the radical has one.
std::vector<chars::PackedChar> radicalGridItems(const CurrentRadical& current, const RadicalCharQuery& query,
                                                const std::vector<RadicalCharCandidate>& kept);

}  // namespace tesvik::lookup
