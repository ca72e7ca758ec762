#pragma once

// The current radical shared by the two radical pages, and how a radical
// candidate becomes the current radical.

#include <optional>

#include "tesvik/chars/PackedChar.h"
#include "tesvik/lookup/radical/RadicalRecords.h"
#include "tesvik/lookup/radical/RadicalSearch.h"

namespace tesvik::lookup {

// The radical the radical lookup page searches under. Starts empty.
struct CurrentRadical {
    chars::PackedChar radical = 0;  // 0 when none
    std::optional<RadicalKey> key;  // empty when none

    bool operator==(const CurrentRadical&) const = default;
};

// How the candidate's key is taken over.
enum class KeyAliasing {
    // As it is: a selection in the radical list, Enter or Space.
    None,
    // Replaced through the radical key alias table: a double click.
    Aliased,
    // Upper-cased, then replaced through the alias table: the 查字 button.
    UpperCasedAndAliased,
};

// Makes the candidate the current radical.
void confirmRadical(CurrentRadical& current, const RadicalCandidate& candidate, KeyAliasing aliasing);

}  // namespace tesvik::lookup
