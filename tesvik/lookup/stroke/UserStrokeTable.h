#pragma once

// Adding, modifying and deleting the user's stroke characters in buzimb.txt.
// Each successful change rewrites the table (a new file renamed over the old
// one, so a failure part-way leaves the previous table intact) and then
// regenerates the user stroke pair.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <vector>

#include "common/Result.h"
#include "tesvik/lookup/stroke/UserStrokeFields.h"
#include "tesvik/messages/Messages.h"

namespace tesvik::lookup {

// Asks the user a yes/no question under a caption; true means yes.
using ConfirmChange = std::function<bool(const Message& question, const Message& caption)>;

// The outcome of a table operation: the success message to show; nullopt
// when the user answered no and nothing changed; or the messages of the
// refusal, to show in order (the table then is unchanged).
using UserStrokeChange = lumenar::Result<std::optional<Message>, std::vector<Message>>;

// 添加: inserts the entry's row in front of the first row with a greater
// total, or at the end. A code already in the table is refused with
// "UNICODE:" + the code text + "已经存在无法添加,若要修改，请进行修改操作！".
UserStrokeChange addStrokeEntry(const std::filesystem::path& userDir, const UserStrokeEntry& entry);

// 修改: replaces the row of the entry's code with the entry's row, moved to
// its place by total, after confirmation.
UserStrokeChange modifyStrokeEntry(const std::filesystem::path& userDir, const UserStrokeEntry& entry,
                                   const ConfirmChange& confirm);

// 删除: removes the row of the code, after confirmation.
UserStrokeChange deleteStrokeEntry(const std::filesystem::path& userDir, std::uint16_t code,
                                   const ConfirmChange& confirm);

}  // namespace tesvik::lookup
