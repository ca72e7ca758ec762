#include "tesvik/index/StrokeSearch.h"

#include <algorithm>
#include <cstring>
#include <optional>

#include "tesvik/index/PackedCharBytes.h"
#include "tesvik/index/RecordFile.h"
#include "tesvik/index/Scrambling.h"
#include "tesvik/index/StrokeFiles.h"
#include "tesvik/index/StrokeRange.h"

namespace tesvik {
namespace {

constexpr std::size_t StrokeFieldOffset = 7;
constexpr std::size_t MarkerOffset = 6;
// Records read per block: bounds memory on a whole-file scan.
constexpr std::uint64_t RecordsPerRead = 4096;

// Matches the strokes of raw (still scrambled) records against the query.
// Scrambling is a bijection on bytes, so comparing stored bytes with the
// scrambled query equals comparing the plain bytes, and only the records that
// match need unscrambling.
class StrokePrefixMatcher {
public:
    explicit StrokePrefixMatcher(std::string_view strokes) {
        // A record's stroke text stops at its first zero byte and holds at
        // most ten strokes, so longer queries or queries holding a zero byte
        // match nothing.
        matchesNothing_ = strokes.size() > StrokeFieldLength || strokes.find('\0') != std::string_view::npos;
        for (char c : strokes) scrambled_.push_back(scrambleByte(static_cast<std::uint8_t>(c)));
    }

    bool matches(const std::uint8_t* storedRecord) const {
        return !matchesNothing_ &&
               std::memcmp(storedRecord + StrokeFieldOffset, scrambled_.data(), scrambled_.size()) == 0;
    }

private:
    std::vector<std::uint8_t> scrambled_;
    bool matchesNothing_ = false;
};

StrokeCandidate candidateFromStored(const std::uint8_t* storedRecord) {
    std::array<std::uint8_t, 4> character{};
    std::transform(storedRecord, storedRecord + 4, character.begin(), unscrambleByte);
    return StrokeCandidate{readPackedChar(character),
                           static_cast<char>(unscrambleByte(storedRecord[MarkerOffset]))};
}

// Appends the matching records of range; false when the file could not be
// read, in which case nothing of it is appended.
bool collectMatches(RecordFile& records, RecordRange range, const StrokePrefixMatcher& matcher,
                    std::vector<StrokeCandidate>& out) {
    std::vector<StrokeCandidate> found;
    for (std::uint64_t first = range.begin; first < range.end; first += RecordsPerRead) {
        const auto block = records.readRecords(first, std::min(RecordsPerRead, range.end - first));
        if (!block) return false;
        for (std::size_t offset = 0; offset < block->size(); offset += StrokeRecordSize) {
            const std::uint8_t* record = block->data() + offset;
            if (matcher.matches(record)) found.push_back(candidateFromStored(record));
        }
    }
    out.insert(out.end(), found.begin(), found.end());
    return true;
}

struct PairPaths {
    std::filesystem::path index;
    std::filesystem::path records;
};

RecordRange rangeFor(std::span<const StrokeIndexEntry> index, const StrokeQuery& query, StrokeIndexKind kind,
                     std::uint64_t recordCount) {
    const StrokeRangeRequest request{strokeQueryKey(query.count), !query.strokes.empty(), query.tolerance, kind};
    return selectStrokeRange(index, request, recordCount);
}

// The user pair: whatever cannot be read contributes nothing.
void searchUserPair(const PairPaths& paths, const StrokeQuery& query, const StrokePrefixMatcher& matcher,
                    std::vector<StrokeCandidate>& out) {
    const auto index = readStrokeIndex(paths.index);
    if (!index) return;
    auto records = RecordFile::open(paths.records, StrokeRecordSize, Scrambled::No);
    if (!records || records->recordCount() == 0) return;
    const RecordRange range = rangeFor(*index, query, StrokeIndexKind::User, records->recordCount());
    collectMatches(*records, range, matcher, out);
}

}  // namespace

lumenar::Result<std::vector<StrokeCandidate>, std::vector<Message>> searchByStrokes(
    const std::filesystem::path& shippedDir, const std::filesystem::path& userDir, const StrokeQuery& query) {
    using R = lumenar::Result<std::vector<StrokeCandidate>, std::vector<Message>>;
    const auto shippedIndex = readStrokeIndex(shippedDir / ShippedStrokeIndexFileName);
    if (!shippedIndex) return R::failure({message(MessageId::DataFilesMissing)});

    // Stored bytes are compared scrambled (see StrokePrefixMatcher).
    auto shippedRecords = RecordFile::open(shippedDir / ShippedStrokeRecordFileName, StrokeRecordSize, Scrambled::No);
    if (!shippedRecords) {
        return R::failure({message(MessageId::SystemFileError, shippedRecords.error().systemText),
                           message(MessageId::DataFilesMissing)});
    }

    const StrokePrefixMatcher matcher(query.strokes);
    std::vector<StrokeCandidate> candidates;
    const RecordRange shippedRange =
        rangeFor(*shippedIndex, query, StrokeIndexKind::Shipped, shippedRecords->recordCount());
    collectMatches(*shippedRecords, shippedRange, matcher, candidates);

    searchUserPair({userDir / UserStrokeIndexFileName, userDir / UserStrokeRecordFileName}, query, matcher,
                   candidates);
    return candidates;
}

bool isOutsideGbk(PackedChar character) {
    return character != 0 && (character < 0x4E00 || character > 0x9FBB);
}

std::vector<PackedChar> visibleCandidates(std::span<const StrokeCandidate> candidates, bool outsideGbkOnly) {
    std::vector<PackedChar> shown;
    shown.reserve(candidates.size());
    for (const StrokeCandidate& candidate : candidates) {
        if (!outsideGbkOnly || isOutsideGbk(candidate.character)) shown.push_back(candidate.character);
    }
    return shown;
}

}  // namespace tesvik
