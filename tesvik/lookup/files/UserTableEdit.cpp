#include "tesvik/lookup/files/UserTableEdit.h"

#include <system_error>

namespace tesvik::lookup {
namespace {

// A file as it was before an edit, to be put back when the edit fails.
struct FileSnapshot {
    std::filesystem::path path;
    bool existed = false;
    std::optional<std::vector<std::uint8_t>> bytes;  // nullopt: missing, or not a readable file

    static FileSnapshot of(const std::filesystem::path& path) {
        std::error_code ignored;
        FileSnapshot snapshot{path, std::filesystem::exists(path, ignored), std::nullopt};
        if (auto bytes = readFileBytes(path)) snapshot.bytes = std::move(*bytes);
        return snapshot;
    }

    // Best effort: the edit's own failure is what the user is told.
    void restore() const {
        if (bytes) {
            (void)replaceFileContents(path, *bytes);
        } else if (!existed) {
            std::error_code ignored;
            if (std::filesystem::is_regular_file(path, ignored)) std::filesystem::remove(path, ignored);
        }
        // A file that existed but could not be read was not replaced either.
    }
};

// Writes both derived files; "文件生成错误,请重新操作。" when one cannot be written.
lumenar::Status<Message> writeIndexPair(const UserTableFiles& files, const IndexPairBytes& pair) {
    if (!replaceFileContents(files.records, pair.records) || !replaceFileContents(files.index, pair.index)) {
        return lumenar::Status<Message>::failure(message(MessageId::TableWriteFailed));
    }
    return {};
}

}  // namespace

lumenar::Result<std::vector<std::uint8_t>, std::vector<Message>> openUserTable(const std::filesystem::path& path,
                                                                               TableUse use) {
    using R = lumenar::Result<std::vector<std::uint8_t>, std::vector<Message>>;
    auto bytes = readFileBytes(path);
    if (bytes) return std::move(*bytes);
    if (bytes.error().kind == RecordFileError::Kind::Missing && replaceFileContents(path, {})) {
        return std::vector<std::uint8_t>{};
    }
    std::vector<Message> refusal{message(MessageId::SourceTableError)};
    if (use == TableUse::Adding) refusal.push_back(message(MessageId::TableWriteFailed));
    return R::failure(std::move(refusal));
}

UserTableEdit storeUserTable(const UserTableFiles& files, std::span<const std::uint8_t> changedTable, Message success) {
    const FileSnapshot before[] = {FileSnapshot::of(files.table), FileSnapshot::of(files.index),
                                   FileSnapshot::of(files.records)};
    auto failed = [&](Message failure) {
        for (const FileSnapshot& file : before) file.restore();
        return refusedEdit({std::move(failure)});
    };
    if (!replaceFileContents(files.table, changedTable)) return failed(message(MessageId::TableWriteFailed));
    if (const auto written = writeIndexPair(files, files.derive(changedTable)); !written) {
        return failed(written.error());
    }
    return std::optional<Message>{std::move(success)};
}

lumenar::Status<Message> regenerateIndexPair(const UserTableFiles& files) {
    using S = lumenar::Status<Message>;
    const auto table = readFileBytes(files.table);
    if (!table) {
        if (table.error().kind == RecordFileError::Kind::Missing) {
            return S::failure(message(MessageId::SourceTableMissing, files.table.string()));
        }
        return S::failure(message(MessageId::SourceTableError));
    }
    return writeIndexPair(files, files.derive(*table));
}

}  // namespace tesvik::lookup
