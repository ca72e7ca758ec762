#pragma once

// pinyin.data: 8-byte ASCII entries. Bytes 0-4 are the character's code
// point in hexadecimal (a BMP character begins with "0"), byte 5 is the
// character the grid keeps as the item's string, bytes 6-7 are not read.

#include "common/Result.h"
#include "tesvik/chars/PackedChar.h"
#include "tesvik/lookup/pinyin/PinyinIndex.h"
#include "tesvik/messages/Messages.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace tesvik::lookup {

// One character found by a pinyin query, as the result list keeps it.
struct PinyinResult {
    chars::PackedChar value = 0;
    char itemText = 0;

    bool operator==(const PinyinResult&) const = default;
};

class PinyinEntries {
public:
    static constexpr std::size_t kEntrySize = 8;

    PinyinEntries() = default;

    // A missing file reports PinyinFilesDamaged; the caller keeps an empty list.
    static lumenar::Result<PinyinEntries, Message> load(const std::filesystem::path& path);
    static PinyinEntries fromBytes(std::string bytes) { return PinyinEntries(std::move(bytes)); }

    std::size_t size() const { return bytes_.size() / kEntrySize; }

    // Entry n as a result record (a supplementary character as its surrogate
    // pair); nullopt past the end or when its code is not hexadecimal.
    std::optional<PinyinResult> entry(std::size_t n) const;

    // The readable entries of a range, stopping at the end of the file.
    std::vector<PinyinResult> entries(PinyinEntryRange range) const;

private:
    explicit PinyinEntries(std::string bytes) : bytes_(std::move(bytes)) {}

    std::string bytes_;
};

}  // namespace tesvik::lookup
