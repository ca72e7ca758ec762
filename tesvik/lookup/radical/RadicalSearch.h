#pragma once

// The radical directory page's search: radicals of newmb.dat by their own
// stroke order, stroke count and pinyin.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "tesvik/chars/PackedChar.h"
#include "tesvik/lookup/radical/RadicalRecords.h"

namespace tesvik::lookup {

// The radical directory page's fields. Empty fields are not criteria.
struct RadicalQuery {
    std::string strokes;  // stroke digits "1".."5": a prefix of the radical's stroke order
    std::string count;    // one digit d (matches "0d") or two digits
    std::string pinyin;   // a prefix of the radical's pinyin, compared as given
};

struct RadicalCandidate {
    chars::PackedChar radical = 0;
    RadicalKey key;

    bool operator==(const RadicalCandidate&) const = default;
};

// The radicals of dataDir/newmb.dat that meet every given criterion, in file
// order. A criterion longer than its field (strokes over 20, pinyin over 6,
// count over 2) matches nothing. An all-empty query, or a radical table that
// cannot be read, gives an empty list.
std::vector<RadicalCandidate> searchRadicals(const std::filesystem::path& dataDir, const RadicalQuery& query);

// The first radical of dataDir/newmb.dat whose key is key, if any.
std::optional<RadicalCandidate> radicalWithKey(const std::filesystem::path& dataDir, const RadicalKey& key);

}  // namespace tesvik::lookup
