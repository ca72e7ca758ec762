#include "tesvik/index/RadicalSelection.h"

#include <algorithm>

#include "tesvik/display/BuiltInTables.h"

namespace tesvik {
namespace {

RadicalKey upperCased(RadicalKey key) {
    std::transform(key.chars.begin(), key.chars.end(), key.chars.begin(),
                   [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; });
    return key;
}

RadicalKey aliased(const RadicalKey& key) {
    const auto filed = RadicalKey::fromText(filedRadicalKey(key.text()));
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

}  // namespace tesvik
