#pragma once

// The one way both lookups edit a user source table (buzimb.txt,
// buzibuzishoumb.txt): the changed table is written and its derived index
// pair rebuilt from the bytes in memory; when any step fails, the table and
// both derived files are put back as they were and the failure is returned.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <vector>

#include "common/Result.h"
#include "tesvik/lookup/files/RecordFile.h"
#include "tesvik/messages/Messages.h"

namespace tesvik::lookup {

// Asks the user a yes/no question under a caption; true means yes.
using ConfirmQuestion = std::function<bool(const Message& question, const Message& caption)>;

// The outcome of a user-table operation: the success message to show;
// nullopt when the user answered no and nothing changed; or the messages of
// the refusal, to show in order (the table and its pair then are unchanged).
using UserTableEdit = lumenar::Result<std::optional<Message>, std::vector<Message>>;

// The bytes of a derived pair, as written to disk.
struct IndexPairBytes {
    std::vector<std::uint8_t> index;
    std::vector<std::uint8_t> records;
};

// A user source table, its derived pair and how the pair follows from it.
struct UserTableFiles {
    std::filesystem::path table;
    std::filesystem::path index;
    std::filesystem::path records;
    std::function<IndexPairBytes(std::span<const std::uint8_t> table)> derive;
};

inline UserTableEdit refusedEdit(std::vector<Message> messages) { return UserTableEdit::failure(std::move(messages)); }

// The table's bytes, created empty on disk when it is missing. A table that
// cannot be read or created refuses with "内部文件错误！", followed by
// "文件生成错误,请重新操作。" when adding.
enum class TableUse { Adding, Changing };
lumenar::Result<std::vector<std::uint8_t>, std::vector<Message>> openUserTable(const std::filesystem::path& path,
                                                                               TableUse use);

// Writes changedTable and the pair derived from it, then returns success. On
// a failure the table and pair are restored and the failure returned.
UserTableEdit storeUserTable(const UserTableFiles& files, std::span<const std::uint8_t> changedTable, Message success);

// Rebuilds the pair from the table on disk. A missing table is reported as
// its full path followed by "文件不存在，请先找到该文件！".
lumenar::Status<Message> regenerateIndexPair(const UserTableFiles& files);

}  // namespace tesvik::lookup
