#include "tesvik/lookup/stroke/UserStrokeTable.h"

#include "tesvik/lookup/stroke/StrokeFiles.h"
#include "tesvik/lookup/stroke/StrokeRecords.h"
#include "tesvik/lookup/stroke/UserStrokeRegeneration.h"

namespace tesvik::lookup {
namespace {

using Bytes = std::vector<std::uint8_t>;

// The table as whole rows plus whatever partial row trails them; the
// trailing bytes are kept as they are, at the end.
struct TableBytes {
    Bytes bytes;

    std::size_t rowCount() const { return bytes.size() / kUserStrokeRowSize; }
    std::size_t rowOffset(std::size_t row) const { return row * kUserStrokeRowSize; }

    // The row whose character bytes 14 and 15 hold code's low and high byte.
    std::optional<std::size_t> findCode(std::uint16_t code) const {
        for (std::size_t row = 0; row < rowCount(); ++row) {
            const std::size_t at = rowOffset(row);
            if (bytes[at + 14] == (code & 0xFF) && bytes[at + 15] == (code >> 8)) return row;
        }
        return std::nullopt;
    }

    // In front of the first row with a greater total, else after the last row.
    std::size_t insertionRow(const StrokeCountKey& total) const {
        const int newTotal = total.numericValue();
        for (std::size_t row = 0; row < rowCount(); ++row) {
            const StrokeCountKey rowTotal{
                {static_cast<char>(bytes[rowOffset(row)]), static_cast<char>(bytes[rowOffset(row) + 1])}};
            if (rowTotal.numericValue() > newTotal) return row;
        }
        return rowCount();
    }

    void insert(const UserStrokeRow& row) {
        const auto encoded = encodeUserStrokeRow(row);
        const auto at = bytes.begin() + static_cast<std::ptrdiff_t>(rowOffset(insertionRow(row.count)));
        bytes.insert(at, encoded.begin(), encoded.end());
    }

    void remove(std::size_t row) {
        const auto at = bytes.begin() + static_cast<std::ptrdiff_t>(rowOffset(row));
        bytes.erase(at, at + kUserStrokeRowSize);
    }
};

}  // namespace

UserTableEdit addStrokeEntry(const std::filesystem::path& userDir, const UserStrokeEntry& entry) {
    const UserTableFiles files = userStrokeTableFiles(userDir);
    const auto bytes = openUserTable(files.table, TableUse::Adding);
    if (!bytes) return refusedEdit(bytes.error());
    const TableBytes table{*bytes};
    if (table.findCode(entry.code)) {
        return refusedEdit({message(MessageId::CodeAlreadyExists, "UNICODE:" + entry.codeText)});
    }
    TableBytes changed = table;
    changed.insert(entry.row);
    return storeUserTable(files, changed.bytes, message(MessageId::StrokeCharAdded));
}

UserTableEdit modifyStrokeEntry(const std::filesystem::path& userDir, const UserStrokeEntry& entry,
                                const ConfirmQuestion& confirm) {
    const UserTableFiles files = userStrokeTableFiles(userDir);
    const auto bytes = openUserTable(files.table, TableUse::Changing);
    if (!bytes) return refusedEdit(bytes.error());
    const TableBytes table{*bytes};
    const auto row = table.findCode(entry.code);
    if (!row) return refusedEdit({message(MessageId::ModifyCodeNotFound)});
    if (!confirm(message(MessageId::ModifyQuestion), message(MessageId::ChangeQuestionCaption))) {
        return std::optional<Message>{};
    }
    TableBytes changed = table;
    changed.remove(*row);
    changed.insert(entry.row);
    return storeUserTable(files, changed.bytes, message(MessageId::StrokeCharModified));
}

UserTableEdit deleteStrokeEntry(const std::filesystem::path& userDir, std::uint16_t code,
                                const ConfirmQuestion& confirm) {
    const UserTableFiles files = userStrokeTableFiles(userDir);
    const auto bytes = openUserTable(files.table, TableUse::Changing);
    if (!bytes) return refusedEdit(bytes.error());
    const TableBytes table{*bytes};
    const auto row = table.findCode(code);
    if (!row) return refusedEdit({message(MessageId::DeleteCodeNotFound)});
    if (!confirm(message(MessageId::DeleteQuestion), message(MessageId::ChangeQuestionCaption))) {
        return std::optional<Message>{};
    }
    TableBytes changed = table;
    changed.remove(*row);
    return storeUserTable(files, changed.bytes, message(MessageId::StrokeCharDeleted));
}

}  // namespace tesvik::lookup
