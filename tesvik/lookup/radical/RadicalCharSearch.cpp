#include "tesvik/lookup/radical/RadicalCharSearch.h"

#include <cerrno>
#include <system_error>

#include "tesvik/lookup/radical/RadicalFileNames.h"
#include "tesvik/lookup/radical/RadicalFileReaders.h"
#include "tesvik/lookup/radical/RadicalStoredField.h"

namespace tesvik::lookup {
namespace {

constexpr std::size_t kRemainingOffset = 4;
constexpr std::size_t kStrokesOffset = 6;
constexpr std::size_t kStrokesLength = 4;
constexpr std::size_t kMarkerOffset = 10;

using StoredRecord = std::span<const std::uint8_t, kRadicalRecordSize>;

// A query's conditions on the stored bytes 4 to 9 (remaining count and
// strokes) of radical records.
class StoredCharQuery {
public:
    explicit StoredCharQuery(const RadicalCharQuery& query) {
        const std::string remainingText = std::to_string(query.remaining);
        const bool anyRemaining = remainingText == "0" && !query.strokes.empty();
        const std::string remaining = anyRemaining                ? ""
                                      : remainingText.size() == 1 ? "0" + remainingText
                                                                  : remainingText;
        impossible_ = remaining.size() > 2 || query.strokes.size() > kStrokesLength;
        if (impossible_) return;
        pattern_.require(0, storedForm(remaining));
        pattern_.require(kStrokesOffset - kRemainingOffset, storedForm(query.strokes));
    }

    bool accepts(StoredRecord stored) const {
        return !impossible_ && pattern_.matches(stored.data() + kRemainingOffset);
    }

private:
    StoredPattern<kStrokesOffset + kStrokesLength - kRemainingOffset> pattern_;
    bool impossible_ = false;
};

// The system's text for a file that opened but could not be read.
Message readFailure(const std::filesystem::path& path) {
    return message(MessageId::SystemFileError, path.string() + ": " + std::generic_category().message(EIO));
}

// Appends the matching records of one index pair. Returns the message that
// stops the search, if any; whether a missing file is one depends on the pair.
std::optional<Message> appendMatches(const RadicalIndexPair& pair, const RadicalKey& key, const StoredCharQuery& query,
                                     bool shipped, std::vector<RadicalCharCandidate>& out) {
    auto indexFile = RecordFile::open(pair.index, kRadicalIndexEntrySize, Scrambled::No);
    if (!indexFile) return shipped ? std::optional(message(MessageId::DataFilesMissing)) : std::nullopt;
    const auto indexBytes = indexFile->readAllRecords();
    if (!indexBytes) return readFailure(pair.index);
    const auto index = decodeRadicalIndex(*indexBytes);

    auto records = RecordFile::open(pair.records, kRadicalRecordSize, Scrambled::No);
    if (!records) return shipped ? std::optional(message(MessageId::DataFilesMissing)) : std::nullopt;
    const RecordRange range = radicalKeyRange(index, key, records->recordCount());
    const auto bytes = records->readRecords(range.first, range.size());
    if (!bytes) return readFailure(pair.records);

    for (std::size_t offset = 0; offset + kRadicalRecordSize <= bytes->size(); offset += kRadicalRecordSize) {
        const StoredRecord stored(bytes->data() + offset, kRadicalRecordSize);
        if (query.accepts(stored)) out.push_back({storedPackedChar(stored, 0), unscrambledChar(stored[kMarkerOffset])});
    }
    return std::nullopt;
}

}  // namespace

RadicalCharSearchResult searchByRadical(const std::filesystem::path& dataDir, const std::filesystem::path& userDir,
                                        const std::optional<RadicalKey>& key, const RadicalCharQuery& query) {
    RadicalCharSearchResult result;
    if (!key) return result;
    const StoredCharQuery stored(query);
    result.stoppedBy = appendMatches(shippedRadicalPair(dataDir), *key, stored, true, result.kept);
    if (!result.stoppedBy) result.stoppedBy = appendMatches(userRadicalPair(userDir), *key, stored, false, result.kept);
    return result;
}

}  // namespace tesvik::lookup
