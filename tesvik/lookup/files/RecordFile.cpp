#include "tesvik/lookup/files/RecordFile.h"

#include <cerrno>
#include <cstring>
#include <system_error>

#include <sys/stat.h>

#include "platform/FileReplacement.h"
#include "tesvik/lookup/files/Scrambling.h"

namespace tesvik::lookup {
namespace {

RecordFileError errorFor(RecordFileError::Kind kind, const std::filesystem::path& path, int err) {
    return RecordFileError{kind, path.string() + ": " + std::generic_category().message(err)};
}

RecordFileError openError(const std::filesystem::path& path, int err) {
    const auto kind = err == ENOENT ? RecordFileError::Kind::Missing : RecordFileError::Kind::Unreadable;
    return errorFor(kind, path, err);
}

// Length of an open regular file; nullopt for a directory or when it cannot
// be measured. One fstat instead of a path lookup and two seeks: it runs on
// every query.
std::optional<std::uint64_t> regularFileLength(std::FILE* file, int& err) {
    struct stat status {};
    if (fstat(fileno(file), &status) != 0) {
        err = errno;
        return std::nullopt;
    }
    if (S_ISDIR(status.st_mode)) {
        err = EISDIR;
        return std::nullopt;
    }
    return static_cast<std::uint64_t>(status.st_size);
}

}  // namespace

lumenar::Result<RecordFile, RecordFileError> RecordFile::open(const std::filesystem::path& path, std::size_t recordSize,
                                                              Scrambled scrambled) {
    using R = lumenar::Result<RecordFile, RecordFileError>;
    errno = 0;
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file) return R::failure(openError(path, errno != 0 ? errno : EIO));
    int err = EIO;
    const auto length = regularFileLength(file.get(), err);
    if (!length) return R::failure(errorFor(RecordFileError::Kind::Unreadable, path, err));
    // Whole buffer reads of a range are large; stdio's own buffer adds only a copy.
    std::setvbuf(file.get(), nullptr, _IONBF, 0);
    const std::uint64_t count = recordSize == 0 ? 0 : *length / recordSize;
    return RecordFile(std::move(file), recordSize, count, scrambled);
}

bool RecordFile::readAt(std::uint64_t offset, std::span<std::uint8_t> out) {
    // Sequential block reads need no seek: the file is already there.
    if (offset != position_ && std::fseek(file_.get(), static_cast<long>(offset), SEEK_SET) != 0) {
        position_ = kUnknownPosition;
        return false;
    }
    const std::size_t read = std::fread(out.data(), 1, out.size(), file_.get());
    position_ = read == out.size() ? offset + read : kUnknownPosition;
    return read == out.size();
}

bool RecordFile::readRecord(std::uint64_t n, std::span<std::uint8_t> out) {
    if (out.size() != recordSize_ || n >= recordCount_) return false;
    if (!readAt(n * recordSize_, out)) return false;
    if (scrambled_ == Scrambled::Yes) unscrambleBytes(out);
    return true;
}

std::optional<std::vector<std::uint8_t>> RecordFile::readRecords(std::uint64_t first, std::uint64_t count) {
    if (first > recordCount_ || count > recordCount_ - first) return std::nullopt;
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(count * recordSize_));
    if (!readRecordsInto(first, count, bytes)) return std::nullopt;
    return bytes;
}

bool RecordFile::readRecordsInto(std::uint64_t first, std::uint64_t count, std::span<std::uint8_t> out) {
    if (first > recordCount_ || count > recordCount_ - first || out.size() != count * recordSize_) return false;
    if (out.empty()) return true;
    if (!readAt(first * recordSize_, out)) return false;
    if (scrambled_ == Scrambled::Yes) unscrambleBytes(out);
    return true;
}

lumenar::Result<std::vector<std::uint8_t>, RecordFileError> readFileBytes(const std::filesystem::path& path) {
    using R = lumenar::Result<std::vector<std::uint8_t>, RecordFileError>;
    auto file = RecordFile::open(path, 1, Scrambled::No);
    if (!file) return R::failure(file.error());
    auto bytes = file->readAllRecords();
    if (!bytes) return R::failure(errorFor(RecordFileError::Kind::Unreadable, path, EIO));
    return std::move(*bytes);
}

lumenar::Status<RecordFileError> replaceFileContents(const std::filesystem::path& path,
                                                     std::span<const std::uint8_t> bytes) {
    if (auto replaced = platform::replaceFile(path, bytes); !replaced) {
        return lumenar::Status<RecordFileError>::failure(
            {RecordFileError::Kind::Unwritable, replaced.error().describe()});
    }
    return {};
}

}  // namespace tesvik::lookup
