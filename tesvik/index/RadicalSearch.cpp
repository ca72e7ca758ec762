#include "tesvik/index/RadicalSearch.h"

#include <string_view>

#include "tesvik/index/RadicalFileNames.h"
#include "tesvik/index/RadicalFileReaders.h"

namespace tesvik {
namespace {

template <std::size_t N>
bool isPrefixOf(std::string_view prefix, const std::array<char, N>& field) {
    return prefix.size() <= N && std::string_view(field.data(), N).starts_with(prefix);
}

bool countMatches(std::string_view count, const std::array<char, 2>& field) {
    if (count.size() == 1) return field[0] == '0' && field[1] == count[0];
    return count.size() == 2 && std::string_view(field.data(), 2) == count;
}

bool isEmpty(const RadicalQuery& q) { return q.strokes.empty() && q.count.empty() && q.pinyin.empty(); }

}  // namespace

bool radicalMatches(const RadicalTableRecord& record, const RadicalQuery& query) {
    return (query.strokes.empty() || isPrefixOf(query.strokes, record.strokes)) &&
           (query.count.empty() || countMatches(query.count, record.count)) &&
           (query.pinyin.empty() || isPrefixOf(query.pinyin, record.pinyin));
}

std::vector<RadicalCandidate> searchRadicals(const std::filesystem::path& dataDir,
                                             const RadicalQuery& query) {
    std::vector<RadicalCandidate> found;
    if (isEmpty(query)) return found;
    const auto table = readRadicalTable(dataDir / RadicalTableFileName);
    if (!table) return found;
    for (const RadicalTableRecord& record : *table) {
        if (radicalMatches(record, query)) found.push_back({record.radical, record.key()});
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

}  // namespace tesvik
