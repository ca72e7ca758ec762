#pragma once

// Rebuilds the user radical pair (buzibushou64.idx, buzicharmb614.dat) from
// the user radical source table buzibuzishoumb.txt in the same directory.

#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

#include "common/Result.h"
#include "tesvik/lookup/files/UserTableEdit.h"
#include "tesvik/lookup/radical/RadicalRecords.h"
#include "tesvik/messages/Messages.h"

namespace tesvik::lookup {

// The derived pair of a source table's bytes (whole rows only): 8-byte index
// entries ending with "fend" and the total, and 11-byte scrambled records.
// Each run of rows with the same radical key gives one index entry; an empty
// table gives no records and the terminator alone.
IndexPairBytes buildUserRadicalPair(std::span<const std::uint8_t> sourceTable);

// buzibuzishoumb.txt in userDir with its derived pair.
UserTableFiles userRadicalTableFiles(const std::filesystem::path& userDir);

// Rewrites both derived files completely. A missing source table refuses
// with its full path followed by "文件不存在，请先找到该文件！"; derived files
// that cannot be written refuse with "文件生成错误,请重新操作。".
lumenar::Status<Message> regenerateUserRadicalFiles(const std::filesystem::path& userDir);

}  // namespace tesvik::lookup
