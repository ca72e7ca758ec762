#pragma once

// Rebuilding the user stroke pair (buzibihuashu.idx, buzinanjianzi.dat) from
// the user stroke source table buzimb.txt. Both derived files are rewritten
// completely after every change of the table.

#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

#include "common/Result.h"
#include "tesvik/lookup/files/UserTableEdit.h"
#include "tesvik/messages/Messages.h"

namespace tesvik::lookup {

// Derives the pair from the source table's bytes (whole 18-byte rows only):
// 6-byte index entries ending in "fe" and the record count, and 17-byte
// scrambled records. An empty table gives no records and an index holding
// only the terminator.
IndexPairBytes deriveUserStrokeFiles(std::span<const std::uint8_t> table);

// buzimb.txt in userDir with its derived pair.
UserTableFiles userStrokeTableFiles(const std::filesystem::path& userDir);

// Rebuilds the pair in userDir from userDir/buzimb.txt. A missing table is
// reported as its full path followed by "文件不存在，请先找到该文件！"; a derived file
// that cannot be written as "文件生成错误,请重新操作。" and leaves that file as it was.
lumenar::Status<Message> regenerateUserStrokeFiles(const std::filesystem::path& userDir);

}  // namespace tesvik::lookup
