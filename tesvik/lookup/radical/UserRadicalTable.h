#pragma once

// Adding, modifying and deleting the user's own characters filed by radical
// in buzibuzishoumb.txt, each stored with its user radical pair through
// storeUserTable.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "tesvik/lookup/files/UserTableEdit.h"
#include "tesvik/lookup/radical/RadicalRecords.h"

namespace tesvik::lookup {

// A character to file: its Private Use Area code (and the code text as the
// user typed it, for messages), the radical key, the strokes outside the
// radical (0..99) and up to four stroke digits.
struct UserRadicalEntry {
    std::uint16_t code = 0;
    std::string codeText;
    RadicalKey key;
    unsigned remaining = 0;
    std::string strokes;
};

// The table row of an entry: 00 00 lo hi, "0", key, two-digit remaining
// count, strokes padded with "0" to four, line feed.
UserRadicalRow userRadicalRowOf(const UserRadicalEntry& entry);

// Table edits over the bytes of a table (whole 16-byte rows; a trailing
// partial row stays at the end untouched).
std::optional<std::size_t> findUserRadicalRow(std::span<const std::uint8_t> table, std::uint16_t code);
std::vector<std::uint8_t> insertUserRadicalRow(std::span<const std::uint8_t> table, const UserRadicalEntry& entry);
std::vector<std::uint8_t> removeUserRadicalRow(std::span<const std::uint8_t> table, std::size_t row);

// 添加: refuses a code already in the table ("UNICODE: " code text
// "已经存在无法添加,若要修改，请进行修改操作！"); success "补字按部首管理添加成功！".
UserTableEdit addRadicalEntry(const std::filesystem::path& userDir, const UserRadicalEntry& entry);

// 修改: the entry's code must be in the table; asks before changing it.
UserTableEdit modifyRadicalEntry(const std::filesystem::path& userDir, const UserRadicalEntry& entry,
                                 const ConfirmQuestion& confirm);

// 删除: the code must be in the table; asks before removing it.
UserTableEdit deleteRadicalEntry(const std::filesystem::path& userDir, std::uint16_t code,
                                 const ConfirmQuestion& confirm);

}  // namespace tesvik::lookup
