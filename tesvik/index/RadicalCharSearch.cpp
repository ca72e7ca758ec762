#include "tesvik/index/RadicalCharSearch.h"

#include <cerrno>
#include <system_error>

#include "tesvik/index/RadicalFileNames.h"
#include "tesvik/index/RadicalFileReaders.h"

namespace tesvik {
namespace {

using SearchResult = lumenar::Result<std::vector<RadicalCharCandidate>, Message>;

bool remainingAccepts(std::string_view remainingText, bool strokesGiven, const std::array<char, 2>& field) {
    if (remainingText.size() == 1 && field[0] == '0' && field[1] == remainingText[0]) return true;
    if (remainingText.size() == 2 && std::string_view(field.data(), 2) == remainingText) return true;
    return remainingText == "0" && strokesGiven;
}

bool strokesAccept(std::string_view strokes, const std::array<char, 4>& field) {
    return strokes.size() <= field.size() && std::string_view(field.data(), field.size()).starts_with(strokes);
}

// The system's text for a file that opened but could not be read.
Message readFailure(const std::filesystem::path& path) {
    return message(MessageId::SystemFileError, path.string() + ": " + std::generic_category().message(EIO));
}

// Appends the matching records of one index pair. Returns the message that
// stops the search, if any; whether a missing file is one depends on the pair.
std::optional<Message> appendMatches(const RadicalIndexPair& pair, const RadicalKey& key,
                                     const RadicalRecordFilter& filter, bool shipped,
                                     std::vector<RadicalCharCandidate>& out) {
    auto indexFile = RecordFile::open(pair.index, RadicalIndexEntrySize, Scrambled::No);
    if (!indexFile) return shipped ? std::optional(message(MessageId::DataFilesMissing)) : std::nullopt;
    const auto indexBytes = indexFile->readAllRecords();
    if (!indexBytes) return readFailure(pair.index);
    const auto index = decodeRadicalIndex(*indexBytes);

    auto records = openRadicalRecords(pair.records);
    if (!records) return shipped ? std::optional(message(MessageId::DataFilesMissing)) : std::nullopt;
    const RecordRange range = radicalKeyRange(index, key, records->recordCount());
    const auto bytes = records->readRecords(range.first, range.size());
    if (!bytes) return readFailure(pair.records);

    for (std::size_t offset = 0; offset + RadicalRecordSize <= bytes->size(); offset += RadicalRecordSize) {
        const RadicalRecord record =
            decodeRadicalRecord(std::span<const std::uint8_t, RadicalRecordSize>(bytes->data() + offset, RadicalRecordSize));
        if (filter.accepts(record)) out.push_back({record.character, record.marker});
    }
    return std::nullopt;
}

}  // namespace

RadicalRecordFilter::RadicalRecordFilter(const RadicalCharQuery& query)
    : remainingText_(std::to_string(query.remaining)), strokes_(query.strokes) {}

bool RadicalRecordFilter::accepts(const RadicalRecord& record) const {
    return remainingAccepts(remainingText_, !strokes_.empty(), record.remaining) &&
           strokesAccept(strokes_, record.strokes);
}

SearchResult searchByRadical(const std::filesystem::path& dataDir, const std::filesystem::path& userDir,
                             const std::optional<RadicalKey>& key, const RadicalCharQuery& query) {
    std::vector<RadicalCharCandidate> found;
    if (!key) return found;
    const RadicalRecordFilter filter(query);
    if (auto refusal = appendMatches(shippedRadicalPair(dataDir), *key, filter, true, found)) {
        return SearchResult::failure(std::move(*refusal));
    }
    if (auto refusal = appendMatches(userRadicalPair(userDir), *key, filter, false, found)) {
        return SearchResult::failure(std::move(*refusal));
    }
    return found;
}

}  // namespace tesvik
