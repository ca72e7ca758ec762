#include "tesvik/lookup/pinyin/PinyinIndex.h"

#include <fstream>
#include <iterator>

namespace tesvik::lookup {

namespace {

constexpr std::string_view kSignature = "Lumenar";

std::size_t slotOf(char letter) { return static_cast<std::size_t>(letter - 'b'); }

}  // namespace

std::uint32_t pinyinRecordNumber(std::string_view record, char after) {
    std::size_t pos = 0;
    if (after != '\0') {
        pos = record.find(after);
        if (pos == std::string_view::npos) return 0;
        ++pos;
    }
    std::uint32_t value = 0;
    for (; pos < record.size() && record[pos] >= '0' && record[pos] <= '9'; ++pos) {
        value = value * 10 + static_cast<std::uint32_t>(record[pos] - '0');
    }
    return value;
}

lumenar::Result<PinyinIndex, Message> PinyinIndex::load(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return lumenar::Result<PinyinIndex, Message>::failure(message(MessageId::PinyinFilesDamaged));
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return fromBytes(std::move(bytes));
}

lumenar::Result<PinyinIndex, Message> PinyinIndex::fromBytes(std::string bytes) {
    PinyinIndex index(std::move(bytes));
    if (index.recordCount() < 2 || !index.record(0).starts_with(kSignature)) {
        return lumenar::Result<PinyinIndex, Message>::failure(message(MessageId::DataFilesMissing));
    }
    const std::uint32_t bound = pinyinRecordNumber(index.record(0).substr(kSignature.size()), '\0');
    index.buildLetterTable(bound);
    return index;
}

void PinyinIndex::buildLetterTable(std::uint32_t bound) {
    std::size_t previous = 1;
    for (std::size_t n = 2; n < recordCount() && record(previous)[0] != '$' && previous <= bound; ++n) {
        const char first = record(n)[0];
        const char before = record(previous)[0];
        previous = n;
        if (first == before) continue;
        if (first == '$') {
            letters_[kClosingSlot] = static_cast<std::uint32_t>(n);
            continue;
        }
        // Letters skipped in between keep 0: they have no keys.
        if (first >= 'b' && first <= 'z') letters_[slotOf(first)] = static_cast<std::uint32_t>(n);
    }
}

std::uint32_t PinyinIndex::letterStart(char letter) const {
    if (letter == '$') return letters_[kClosingSlot];
    if (letter < 'b' || letter > 'z') return 0;
    return letters_[slotOf(letter)];
}

std::uint32_t PinyinIndex::endCounterAfter(char letter) const {
    for (std::size_t slot = letter < 'b' ? 0 : slotOf(letter) + 1; slot <= kClosingSlot; ++slot) {
        if (letters_[slot] != 0) return letters_[slot];
    }
    return 0;
}

std::uint32_t PinyinIndex::cumulativeEnd(std::size_t n) const { return pinyinRecordNumber(record(n), '@'); }

std::optional<PinyinEntryRange> PinyinIndex::find(std::string_view key) const {
    if (key.empty() || key[0] < 'a' || key[0] > 'z') return std::nullopt;
    // Keys of "a" are read from record 1 with a counter that starts at 0.
    const bool firstLetter = key[0] == 'a';
    const std::uint32_t start = firstLetter ? 0 : letterStart(key[0]);
    if (!firstLetter && start == 0) return std::nullopt;
    const std::uint32_t end = endCounterAfter(key[0]);
    const std::size_t offset = firstLetter ? 1 : 0;

    for (std::uint32_t counter = start; counter < end && counter + offset < recordCount(); ++counter) {
        const std::size_t n = counter + offset;
        const int order = key.compare(record(n).substr(0, key.size()));
        if (order < 0) return std::nullopt;
        if (order > 0) continue;
        const std::uint32_t last = cumulativeEnd(n);
        const std::uint32_t first = key == "a0" || n < 2 ? 0 : cumulativeEnd(n - 1);
        if (first >= last) return PinyinEntryRange{first, 0};
        return PinyinEntryRange{first, last - first};
    }
    return std::nullopt;
}

}  // namespace tesvik::lookup
