#include "tesvik/program/SurrogateList.h"

#include "common/AsciiCase.h"
#include "platform/FileReading.h"

#include <fstream>

namespace tesvik::program {

namespace {

constexpr std::size_t kRecordBytes = 8;
constexpr std::size_t kLineEndBytes = 2;

Message damagedWarning() { return message(MessageId::SurrogateListDamaged); }

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

bool isRecordCharacter(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z'); }

// The entry of one 8-byte record, or nothing when the record is refused.
std::optional<chars::PackedChar> parseRecord(std::string_view raw) {
    std::string record(raw);
    for (char& c : record) {
        c = lumenar::asciiLower(c);
        if (!isRecordCharacter(c)) return std::nullopt;
    }
    const chars::PackedChar entry = parseSurrogateGroup(std::string_view(record).substr(0, 4)) * 65536u +
                                    parseSurrogateGroup(std::string_view(record).substr(4, 4));
    if (entry < kFirstListedPair || entry > kLastListedPair) return std::nullopt;
    return entry;
}

std::size_t recordCount(std::size_t length, bool endsWithLineEnd) {
    return endsWithLineEnd ? length / 10 : (length + 2) / 10;
}

}  // namespace

std::size_t surrogateRecordCount(std::string_view bytes) {
    const bool endsWithLineEnd = bytes.size() >= 2 && bytes.substr(bytes.size() - 2) == "\r\n";
    return recordCount(bytes.size(), endsWithLineEnd);
}

std::uint32_t parseSurrogateGroup(std::string_view group) {
    if (group == "null") return 0xFFFF;
    static constexpr std::uint32_t kWeights[4] = {4096, 256, 16, 1};
    std::uint32_t value = 0;
    bool parsing = true;
    for (std::size_t i = 0; i < 4 && i < group.size(); ++i) {
        const int digit = parsing ? hexValue(group[i]) : -1;
        parsing = digit >= 0;
        const std::uint32_t code = parsing ? static_cast<std::uint32_t>(digit) : static_cast<unsigned char>(group[i]);
        value += code * kWeights[i];
    }
    return value;
}

SurrogateListLoad parseSurrogateList(std::string_view bytes) {
    SurrogateListLoad load;
    if (bytes.empty()) {
        load.warnings.push_back(damagedWarning());
        return load;
    }
    const std::size_t count = surrogateRecordCount(bytes);
    load.table.reserve(count);
    std::size_t at = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const auto entry =
            at + kRecordBytes <= bytes.size() ? parseRecord(bytes.substr(at, kRecordBytes)) : std::nullopt;
        if (!entry) {
            load.warnings.push_back(damagedWarning());
            return load;
        }
        load.table.push_back(*entry);
        at = std::min(at + kRecordBytes + kLineEndBytes, bytes.size());
    }
    // Bytes that form no whole record mean the file is damaged.
    if (at != bytes.size()) load.warnings.push_back(damagedWarning());
    return load;
}

SurrogateListLoad loadSurrogateList(const std::filesystem::path& file) {
    auto content = platform::readFileIfExists(file);
    if (!content || !content->has_value()) return {{}, {damagedWarning()}};
    return parseSurrogateList(**content);
}

SurrogateListCount countSurrogateList(const std::filesystem::path& file) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec)) return {0, {damagedWarning()}};
    std::ifstream in(file, std::ios::binary | std::ios::ate);
    const std::streamoff length = in ? static_cast<std::streamoff>(in.tellg()) : -1;
    if (length < 0) return {0, {damagedWarning()}};
    std::string tail(length >= 2 ? 2 : static_cast<std::size_t>(length), '\0');
    in.seekg(length - static_cast<std::streamoff>(tail.size()));
    in.read(tail.data(), static_cast<std::streamsize>(tail.size()));
    if (!in) return {0, {damagedWarning()}};
    return {recordCount(static_cast<std::size_t>(length), tail == "\r\n"), {}};
}

}  // namespace tesvik::program
