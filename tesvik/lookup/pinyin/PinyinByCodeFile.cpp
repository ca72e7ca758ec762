#include "tesvik/lookup/pinyin/PinyinByCodeFile.h"

#include <array>
#include <charconv>

namespace tesvik::lookup {

namespace {

constexpr std::size_t kRadicalOffset = 12;
constexpr std::size_t kMarkOffset = 22;
constexpr std::size_t kReadingsOffset = 24;
constexpr std::size_t kReadingsChars = 50;

char16_t unitAt(const std::uint8_t* bytes, std::size_t offset) {
    return static_cast<char16_t>(bytes[offset] | (bytes[offset + 1] << 8));
}

void appendUtf8(std::string& out, char16_t unit) {
    if (unit < 0x80) {
        out.push_back(static_cast<char>(unit));
    } else if (unit < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (unit >> 6)));
        out.push_back(static_cast<char>(0x80 | (unit & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xE0 | (unit >> 12)));
        out.push_back(static_cast<char>(0x80 | ((unit >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (unit & 0x3F)));
    }
}

chars::PackedChar decodeRadical(const std::uint8_t* bytes) {
    std::array<char, 5> digits{};
    for (std::size_t i = 0; i < digits.size(); ++i) {
        const char16_t unit = unitAt(bytes, kRadicalOffset + 2 * i);
        if (unit >= 0x80) return 0;
        digits[i] = static_cast<char>(unit);
    }
    std::uint32_t code = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), code, 16);
    if (error != std::errc() || end != digits.data() + digits.size()) return 0;
    return chars::packCodePoint(code);
}

}  // namespace

PinyinCodeRecord decodePinyinCodeRecord(const std::uint8_t* bytes) {
    PinyinCodeRecord record;
    record.radical = decodeRadical(bytes);
    record.hasReadings = unitAt(bytes, kMarkOffset) != u'#';
    if (!record.hasReadings) return record;
    std::string current;
    for (std::size_t i = 0; i < kReadingsChars; ++i) {
        const char16_t unit = unitAt(bytes, kReadingsOffset + 2 * i);
        if (unit == u'#') break;
        if (unit == u';') {
            record.readings.push_back(std::move(current));
            current.clear();
        } else {
            appendUtf8(current, unit);
        }
    }
    record.readings.push_back(std::move(current));
    return record;
}

lumenar::Result<PinyinByCodeFile, Message> PinyinByCodeFile::open(const std::filesystem::path& path) {
    auto in = std::make_unique<std::ifstream>(path, std::ios::binary);
    if (!*in) return lumenar::Result<PinyinByCodeFile, Message>::failure(message(MessageId::PinyinFilesDamaged));
    return PinyinByCodeFile(std::move(in));
}

std::optional<std::uint64_t> PinyinByCodeFile::recordIndexOf(std::uint32_t c) {
    struct Range {
        std::uint32_t first;
        std::uint32_t last;
    };
    // Extension A, the unified ideographs, Extensions B, C, D, E, F, G, H.
    static constexpr Range kRanges[] = {
        {0x3400, 0x4DB5},   {0x4E00, 0x9FBB},   {0x20000, 0x2A6D6}, {0x2A700, 0x2B739}, {0x2B740, 0x2B81D},
        {0x2B820, 0x2CEA1}, {0x2CEB0, 0x2EBE0}, {0x30000, 0x3134A}, {0x31350, 0x323AF},
    };
    std::uint64_t before = 0;
    for (const Range& range : kRanges) {
        if (c >= range.first && c <= range.last) return before + (c - range.first);
        before += range.last - range.first + 1;
    }
    return std::nullopt;
}

std::optional<PinyinCodeRecord> PinyinByCodeFile::read(std::uint32_t codePoint) {
    const auto index = recordIndexOf(codePoint);
    if (!index) return std::nullopt;
    std::array<std::uint8_t, kRecordSize> bytes{};
    in_->clear();
    in_->seekg(static_cast<std::streamoff>(*index * kRecordSize));
    in_->read(reinterpret_cast<char*>(bytes.data()), bytes.size());
    if (in_->gcount() != static_cast<std::streamsize>(bytes.size())) return std::nullopt;
    return decodePinyinCodeRecord(bytes.data());
}

}  // namespace tesvik::lookup
