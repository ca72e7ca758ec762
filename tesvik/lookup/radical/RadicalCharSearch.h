#pragma once

// The radical lookup page's search: the characters filed under the current
// radical, narrowed by the strokes outside the radical.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/Result.h"
#include "tesvik/chars/PackedChar.h"
#include "tesvik/lookup/radical/RadicalRecords.h"
#include "tesvik/messages/Messages.h"

namespace tesvik::lookup {

// The radical lookup page's fields.
struct RadicalCharQuery {
    unsigned remaining = 0;       // strokes outside the radical; 0 means not given
    std::string strokes;          // up to three first strokes, then the last one
    bool outsideGbkOnly = false;  // show only characters outside 0x4E00..0x9FBB
};

struct RadicalCharCandidate {
    chars::PackedChar character = 0;
    char marker = '0';  // the record's source marker

    bool operator==(const RadicalCharCandidate&) const = default;
};

// A character search: the kept list, and the message that stopped the search
// when one did. A stopped search keeps what it found before it stopped, so
// the grid is filled from the kept list either way.
struct RadicalCharSearchResult {
    std::vector<RadicalCharCandidate> kept;
    std::optional<Message> stoppedBy;
};

// The characters filed under key: the shipped pair of dataDir first, then the
// user pair of userDir, each in record order, duplicates kept. No key gives
// an empty list. A record is accepted when:
// - remaining is 0 and no strokes are given: its remaining count is "00";
// - remaining is 0 and strokes are given: any remaining count;
// - otherwise its remaining count equals remaining as two digits (a
//   remaining of three digits matches nothing);
// and its stroke bytes, cut to the length of strokes, equal strokes. A
// missing shipped file stops the search with "内部文件丢失，请重新安装本软件。" and
// nothing kept; a user pair that is missing or empty adds nothing. Ranges
// that reach past the end of a record file stop at its last whole record.
RadicalCharSearchResult searchByRadical(const std::filesystem::path& dataDir, const std::filesystem::path& userDir,
                                        const std::optional<RadicalKey>& key, const RadicalCharQuery& query);

}  // namespace tesvik::lookup
