#include "tesvik/lookup/pinyin/PinyinEntries.h"

#include <charconv>
#include <fstream>
#include <iterator>

namespace tesvik::lookup {

lumenar::Result<PinyinEntries, Message> PinyinEntries::load(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return lumenar::Result<PinyinEntries, Message>::failure(message(MessageId::PinyinFilesDamaged));
    return PinyinEntries(std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>()));
}

std::optional<PinyinResult> PinyinEntries::entry(std::size_t n) const {
    if (n >= size()) return std::nullopt;
    const char* code = bytes_.data() + n * kEntrySize;
    std::uint32_t scalar = 0;
    const auto [end, error] = std::from_chars(code, code + 5, scalar, 16);
    if (error != std::errc() || end != code + 5) return std::nullopt;
    return PinyinResult{chars::packCodePoint(scalar), code[5]};
}

std::vector<PinyinResult> PinyinEntries::entries(PinyinEntryRange range) const {
    std::vector<PinyinResult> result;
    for (std::size_t n = range.first; n < std::size_t{range.first} + range.count && n < size(); ++n) {
        if (auto e = entry(n)) result.push_back(*e);
    }
    return result;
}

}  // namespace tesvik::lookup
