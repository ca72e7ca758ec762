#pragma once

// Adding, modifying and deleting the user's stroke characters in buzimb.txt,
// each stored with its user stroke pair through storeUserTable.

#include <cstdint>
#include <filesystem>

#include "tesvik/lookup/files/UserTableEdit.h"
#include "tesvik/lookup/stroke/UserStrokeFields.h"

namespace tesvik::lookup {

// 添加: inserts the entry's row in front of the first row with a greater
// total, or at the end. A code already in the table is refused with
// "UNICODE:" + the code text + "已经存在无法添加,若要修改，请进行修改操作！".
UserTableEdit addStrokeEntry(const std::filesystem::path& userDir, const UserStrokeEntry& entry);

// 修改: replaces the row of the entry's code with the entry's row, moved to
// its place by total, after confirmation.
UserTableEdit modifyStrokeEntry(const std::filesystem::path& userDir, const UserStrokeEntry& entry,
                                const ConfirmQuestion& confirm);

// 删除: removes the row of the code, after confirmation.
UserTableEdit deleteStrokeEntry(const std::filesystem::path& userDir, std::uint16_t code,
                                const ConfirmQuestion& confirm);

}  // namespace tesvik::lookup
