#pragma once

// pinyindataorderbycode.data: one 124-byte UTF-16LE record per character of
// Extension A, the unified ideographs 4E00-9FBB and Extension B, then of
// Extensions C to H (the characters of the Unicode 15.0 data), in code
// point order. Bytes 12-21 hold the radical's code point as 5 hexadecimal
// digits; bytes 22-23 are "#" when the character has no reading; from byte
// 24 the readings follow, separated by ";" and ended by "#".

#include "common/Result.h"
#include "tesvik/chars/PackedChar.h"
#include "tesvik/messages/Messages.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tesvik::lookup {

struct PinyinCodeRecord {
    chars::PackedChar radical = 0;  // 0 when the field does not hold a code
    bool hasReadings = false;
    std::vector<std::string> readings;  // as written, e.g. "zhang1"
};

// The file stays open for the life of the object, as the main window keeps it.
class PinyinByCodeFile {
public:
    static constexpr std::size_t kRecordSize = 124;

    // A missing file reports PinyinFilesDamaged.
    static lumenar::Result<PinyinByCodeFile, Message> open(const std::filesystem::path& path);

    // The record index of a code point, nullopt outside the ranges.
    static std::optional<std::uint64_t> recordIndexOf(std::uint32_t codePoint);

    // The record of a code point; nullopt outside the ranges or past the end
    // of the file.
    std::optional<PinyinCodeRecord> read(std::uint32_t codePoint);

private:
    explicit PinyinByCodeFile(std::unique_ptr<std::ifstream> in) : in_(std::move(in)) {}

    std::unique_ptr<std::ifstream> in_;
};

// Decodes one record's bytes (kRecordSize of them).
PinyinCodeRecord decodePinyinCodeRecord(const std::uint8_t* bytes);

}  // namespace tesvik::lookup
