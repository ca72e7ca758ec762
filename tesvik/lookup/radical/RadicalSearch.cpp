#include "tesvik/lookup/radical/RadicalSearch.h"

#include <algorithm>
#include <string_view>

#include "tesvik/lookup/radical/RadicalFileNames.h"
#include "tesvik/lookup/radical/RadicalFileReaders.h"
#include "tesvik/lookup/radical/RadicalStoredField.h"
#include "tesvik/lookup/files/RecordFile.h"

namespace tesvik::lookup {
namespace {

constexpr std::size_t CountOffset = 4;
constexpr std::size_t StrokesOffset = 6;
constexpr std::size_t StrokesLength = 20;
constexpr std::size_t PinyinOffset = 26;
constexpr std::size_t PinyinLength = 6;
constexpr std::size_t IdentifierOffset = 32;

bool isEmpty(const RadicalQuery& q) { return q.strokes.empty() && q.count.empty() && q.pinyin.empty(); }

// A query's criteria on the stored bytes 4 to 31 (count, strokes, pinyin)
// of newmb.dat records.
class StoredRadicalQuery {
public:
    explicit StoredRadicalQuery(const RadicalQuery& query)
        : impossible_(query.strokes.size() > StrokesLength || query.pinyin.size() > PinyinLength ||
                      query.count.size() > 2) {
        if (impossible_) return;
        pattern_.require(StrokesOffset - CountOffset, storedForm(query.strokes));
        pattern_.require(0, storedForm(query.count.size() == 1 ? "0" + query.count : query.count));
        pattern_.require(PinyinOffset - CountOffset, storedForm(query.pinyin));
    }

    bool matches(std::span<const std::uint8_t, RadicalTableRecordSize> stored) const {
        return !impossible_ && pattern_.matches(stored.data() + CountOffset);
    }

private:
    StoredPattern<PinyinOffset + PinyinLength - CountOffset> pattern_;
    bool impossible_;
};

RadicalCandidate candidateOf(std::span<const std::uint8_t, RadicalTableRecordSize> stored) {
    const RadicalKey key{{unscrambledChar(stored[CountOffset]), unscrambledChar(stored[CountOffset + 1]),
                          unscrambledChar(stored[IdentifierOffset]), unscrambledChar(stored[IdentifierOffset + 1])}};
    return RadicalCandidate{storedPackedChar(stored, 0), key};
}

}  // namespace

std::vector<RadicalCandidate> searchRadicals(const std::filesystem::path& dataDir, const RadicalQuery& query) {
    std::vector<RadicalCandidate> found;
    if (isEmpty(query)) return found;
    auto file = RecordFile::open(dataDir / RadicalTableFileName, RadicalTableRecordSize, Scrambled::No);
    if (!file) return found;
    const auto bytes = file->readAllRecords();
    if (!bytes) return found;
    const StoredRadicalQuery stored(query);
    for (std::size_t offset = 0; offset + RadicalTableRecordSize <= bytes->size(); offset += RadicalTableRecordSize) {
        const std::span<const std::uint8_t, RadicalTableRecordSize> record(bytes->data() + offset, RadicalTableRecordSize);
        if (stored.matches(record)) found.push_back(candidateOf(record));
    }
    return found;
}
std::optional<RadicalCandidate> radicalWithKey(const std::filesystem::path& dataDir, const RadicalKey& key) {
    const auto table = readRadicalTable(dataDir / RadicalTableFileName);
    if (!table) return std::nullopt;
    for (const RadicalTableRecord& record : *table) {
        if (record.key() == key) return RadicalCandidate{record.radical, key};
    }
    return std::nullopt;
}

}  // namespace tesvik::lookup
