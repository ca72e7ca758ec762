#include "tesvik/lookup/radical/RadicalSelection.h"

#include <algorithm>

#include "tesvik/chars/BuiltInTables.h"

namespace tesvik::lookup {
namespace {

RadicalKey upperCased(RadicalKey key) {
    std::transform(key.chars.begin(), key.chars.end(), key.chars.begin(),
                   [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; });
    return key;
}

RadicalKey aliased(const RadicalKey& key) {
    const auto filed = RadicalKey::fromText(chars::filedRadicalKey(key.text()));
    return filed ? *filed : key;
}

}  // namespace

void confirmRadical(CurrentRadical& current, const RadicalCandidate& candidate, KeyAliasing aliasing) {
    current.radical = candidate.radical;
    switch (aliasing) {
        case KeyAliasing::None:
            current.key = candidate.key;
            break;
        case KeyAliasing::Aliased:
            current.key = aliased(candidate.key);
            break;
        case KeyAliasing::UpperCasedAndAliased:
            current.key = aliased(upperCased(candidate.key));
            break;
    }
}

}  // namespace tesvik::lookup
