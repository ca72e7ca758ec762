#include "tesvik/lookup/stroke/StrokeSearch.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <optional>

#include "tesvik/lookup/files/PackedCharBytes.h"
#include "tesvik/lookup/files/RecordFile.h"
#include "tesvik/lookup/files/Scrambling.h"
#include "tesvik/lookup/stroke/StrokeFiles.h"
#include "tesvik/lookup/stroke/StrokeRange.h"

namespace tesvik::lookup {
namespace {

constexpr std::size_t kStrokeFieldOffset = 7;
constexpr std::size_t kMarkerOffset = 6;
// Records read per block: few reads per scan, and a buffer small enough
// (under 128 KiB) that the allocator reuses its memory instead of mapping
// fresh pages on every query.
constexpr std::uint64_t kRecordsPerRead = 7680;

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
        matchesNothing_ = strokes.size() > kStrokeFieldLength || strokes.find('\0') != std::string_view::npos;
        if (matchesNothing_) return;
        Field query{};
        Field mask{};
        for (std::size_t i = 0; i < strokes.size(); ++i) {
            query[i] = scrambleByte(static_cast<std::uint8_t>(strokes[i]));
            mask[i] = 0xFF;
        }
        split(query, queryHead_, queryTail_);
        split(mask, maskHead_, maskTail_);
    }

    // Compares the whole field under a mask with two loads, so that the scan
    // over unpredictable record bytes does not branch per byte.
    bool matches(const std::uint8_t* storedRecord) const {
        std::uint64_t head;
        std::memcpy(&head, storedRecord + kStrokeFieldOffset, sizeof head);
        std::uint64_t difference = (head ^ queryHead_) & maskHead_;
        if (maskTail_ != 0) {  // the same for every record: predicted
            std::uint16_t tail;
            std::memcpy(&tail, storedRecord + kStrokeFieldOffset + sizeof head, sizeof tail);
            difference |= (tail ^ queryTail_) & maskTail_;
        }
        return difference == 0 && !matchesNothing_;
    }

private:
    using Field = std::array<std::uint8_t, kStrokeFieldLength>;
    static_assert(sizeof(std::uint64_t) + sizeof(std::uint16_t) == kStrokeFieldLength);

    static void split(const Field& field, std::uint64_t& head, std::uint16_t& tail) {
        std::memcpy(&head, field.data(), sizeof head);
        std::memcpy(&tail, field.data() + sizeof head, sizeof tail);
    }

    std::uint64_t queryHead_ = 0;
    std::uint64_t maskHead_ = 0;
    std::uint16_t queryTail_ = 0;
    std::uint16_t maskTail_ = 0;
    bool matchesNothing_ = false;
};

StrokeCandidate candidateFromStored(const std::uint8_t* storedRecord) {
    std::array<std::uint8_t, 4> character{};
    std::transform(storedRecord, storedRecord + 4, character.begin(), unscrambleByte);
    return StrokeCandidate{readPackedChar(character), static_cast<char>(unscrambleByte(storedRecord[kMarkerOffset]))};
}

// Appends the matching records of range; false when the file could not be
// read, in which case nothing of it is appended.
bool collectMatches(RecordFile& records, RecordRange range, const StrokePrefixMatcher& matcher,
                    std::vector<StrokeCandidate>& out) {
    if (range.empty()) return true;
    const std::uint64_t blockRecords = std::min(kRecordsPerRead, range.end - range.begin);
    // Left uninitialised: every byte used is read from the file first.
    const auto buffer = std::make_unique_for_overwrite<std::uint8_t[]>(blockRecords * kStrokeRecordSize);
    std::vector<StrokeCandidate> found;
    for (std::uint64_t first = range.begin; first < range.end; first += blockRecords) {
        const std::uint64_t count = std::min(blockRecords, range.end - first);
        const std::span<std::uint8_t> block(buffer.get(), count * kStrokeRecordSize);
        if (!records.readRecordsInto(first, count, block)) return false;
        for (std::size_t offset = 0; offset < block.size(); offset += kStrokeRecordSize) {
            const std::uint8_t* record = block.data() + offset;
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
    auto records = RecordFile::open(paths.records, kStrokeRecordSize, Scrambled::No);
    if (!records || records->recordCount() == 0) return;
    const RecordRange range = rangeFor(*index, query, StrokeIndexKind::User, records->recordCount());
    collectMatches(*records, range, matcher, out);
}

}  // namespace

lumenar::Result<std::vector<StrokeCandidate>, std::vector<Message>> searchByStrokes(
    const std::filesystem::path& shippedDir, const std::filesystem::path& userDir, const StrokeQuery& query) {
    using R = lumenar::Result<std::vector<StrokeCandidate>, std::vector<Message>>;
    const auto shippedIndex = readStrokeIndex(shippedDir / kShippedStrokeIndexFileName);
    if (!shippedIndex) return R::failure({message(MessageId::DataFilesMissing)});

    // Stored bytes are compared scrambled (see StrokePrefixMatcher).
    auto shippedRecords = RecordFile::open(shippedDir / kShippedStrokeRecordFileName, kStrokeRecordSize, Scrambled::No);
    if (!shippedRecords) {
        return R::failure({message(MessageId::SystemFileError, shippedRecords.error().systemText),
                           message(MessageId::DataFilesMissing)});
    }

    const StrokePrefixMatcher matcher(query.strokes);
    std::vector<StrokeCandidate> candidates;
    const RecordRange shippedRange =
        rangeFor(*shippedIndex, query, StrokeIndexKind::Shipped, shippedRecords->recordCount());
    collectMatches(*shippedRecords, shippedRange, matcher, candidates);

    searchUserPair({userDir / kUserStrokeIndexFileName, userDir / kUserStrokeRecordFileName}, query, matcher,
                   candidates);
    return candidates;
}

bool isOutsideGbk(chars::PackedChar character) { return character != 0 && (character < 0x4E00 || character > 0x9FBB); }

std::vector<chars::PackedChar> visibleCandidates(std::span<const StrokeCandidate> candidates, bool outsideGbkOnly) {
    std::vector<chars::PackedChar> shown;
    shown.reserve(candidates.size());
    for (const StrokeCandidate& candidate : candidates) {
        if (!outsideGbkOnly || isOutsideGbk(candidate.character)) shown.push_back(candidate.character);
    }
    return shown;
}

}  // namespace tesvik::lookup
