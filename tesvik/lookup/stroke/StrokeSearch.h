#pragma once

// The stroke-order lookup: characters by total stroke count and first
// strokes, from the shipped stroke pair and then the user's stroke pair.

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "common/Result.h"
#include "tesvik/chars/PackedChar.h"
#include "tesvik/messages/Messages.h"

namespace tesvik::lookup {

struct StrokeQuery {
    std::uint32_t count = 0;      // total stroke count; 0 means none given
    std::string strokes;          // first strokes, ASCII "1".."5", at most ten
    bool tolerance = false;       // "±1": also the neighbouring counts
    bool outsideGbkOnly = false;  // used by visibleCandidates, not by the search
};

struct StrokeCandidate {
    chars::PackedChar character = 0;
    char sourceMarker = 0;  // the record's marker byte, shown as the item's text

    bool operator==(const StrokeCandidate&) const = default;
};

// Runs a query over shippedDir's bihuashu-gb18030.idx / nanjianzi-gb18030.dat
// and then userDir's buzibihuashu.idx / buzinanjianzi.dat. The result lists
// the shipped matches in record order, then the user matches; duplicates stay.
//
// Fails, with the messages to show in order, when the shipped index cannot be
// opened ("内部文件丢失，请重新安装本软件。") or the shipped record file cannot be
// opened (the system's text for the file error, then the same message).
// Missing or empty user files contribute nothing and report nothing.
lumenar::Result<std::vector<StrokeCandidate>, std::vector<Message>> searchByStrokes(
    const std::filesystem::path& shippedDir, const std::filesystem::path& userDir, const StrokeQuery& query);

// Whether a character lies outside the GBK unified ideographs U+4E00..U+9FBB
// (0, no character, is never outside).
bool isOutsideGbk(chars::PackedChar character);

// The characters the grid shows for a kept result: all of them, or with
// outsideGbkOnly only those outside GBK.
std::vector<chars::PackedChar> visibleCandidates(std::span<const StrokeCandidate> candidates, bool outsideGbkOnly);

}  // namespace tesvik::lookup
