#include "pelorin/pfi/PfiDoc.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>

#include "pelorin/pfi/CodeSpace.h"
#include "pelorin/pfi/OldVersionEmSize.h"
#include "pelorin/pfi/PfiMessages.h"

namespace pelorin {

namespace {

constexpr std::size_t kHeaderSize = 12;
constexpr std::size_t kIndexEntrySize = 8;
constexpr std::uint16_t kEmSizeMask = 0x3FFF;
constexpr std::uint16_t kTagMask = 0xC000;
constexpr std::uint16_t kTag936 = 0x8000;
constexpr std::uint16_t kTag950 = 0xC000;

std::uint16_t U16(const std::vector<std::uint8_t>& b, std::size_t at) {
    return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}

std::uint32_t U32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return static_cast<std::uint32_t>(U16(b, at)) | static_cast<std::uint32_t>(U16(b, at + 2)) << 16;
}

lumenar::Status<PfiError> Failure(PfiErrorCode code, std::string detail) {
    return lumenar::Status<PfiError>::failure({code, std::move(detail)});
}

}  // namespace

lumenar::Status<PfiError> CPfiDoc::Open(const std::filesystem::path& path, const PfiOpenOptions& options) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return Failure(PfiErrorCode::CannotOpen, path.string() + ": " + std::strerror(errno));
    std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return Failure(PfiErrorCode::CannotOpen, path.string() + ": read error");
    return OpenBytes(std::move(bytes), path, options);
}

lumenar::Status<PfiError> CPfiDoc::OpenBytes(std::vector<std::uint8_t> bytes, const std::filesystem::path& path,
                                             const PfiOpenOptions& options) {
    *this = CPfiDoc{};
    bytes_ = std::move(bytes);
    if (auto header = ReadHeader(path, options); !header) {
        *this = CPfiDoc{};
        return header;
    }
    ReadIndex();
    return {};
}

lumenar::Status<PfiError> CPfiDoc::ReadHeader(const std::filesystem::path& path, const PfiOpenOptions& options) {
    if (bytes_.size() < kHeaderSize) {
        return Failure(PfiErrorCode::BadLibrary, "the file is shorter than the 12-byte library header");
    }
    indexOffset_ = U32(bytes_, 0);
    dataOffset_ = U32(bytes_, 4);
    const std::uint16_t entryCount = U16(bytes_, 8);
    const std::uint16_t emWord = U16(bytes_, 10);

    const std::uint64_t indexEnd = std::uint64_t{indexOffset_} + std::uint64_t{entryCount} * kIndexEntrySize;
    if (indexEnd > bytes_.size()) {
        return Failure(PfiErrorCode::BadLibrary, "the index of " + std::to_string(entryCount) + " entries at offset " +
                                                     std::to_string(indexOffset_) + " runs past the end of the file");
    }
    entries_.resize(entryCount);

    if (emWord == 0) {
        warnings_.push_back(pfi_messages::OldVersionLibrary(path.string()));
        emSize_ = OldVersionEmSize(options.iniDirectory, path);
        codePage_ = options.systemCodePage;
        return {};
    }
    emSize_ = emWord & kEmSizeMask;
    if (emSize_ == 0) return Failure(PfiErrorCode::BadLibrary, "the library's em size is 0");
    switch (emWord & kTagMask) {
        case kTag936:
            codePage_ = 936;
            break;
        case kTag950:
            codePage_ = 950;
            break;
        default:
            codePage_ = options.systemCodePage;
            warnings_.push_back(pfi_messages::CodeSpaceMismatch(path.string()));
    }
    return {};
}

void CPfiDoc::ReadIndex() {
    entriesByCode_.reserve(entries_.size());
    recordOffsets_.resize(entries_.size());
    std::uint64_t recordOffset = dataOffset_;
    for (std::size_t k = 0; k < entries_.size(); ++k) {
        const std::size_t at = indexOffset_ + k * kIndexEntrySize;
        PfiIndexEntry& entry = entries_[k];
        entry.code = U16(bytes_, at);
        entry.length = U16(bytes_, at + 2);
        entry.advance = static_cast<std::int16_t>(U16(bytes_, at + 4));
        recordOffsets_[k] = recordOffset;
        recordOffset += entry.length;
        entriesByCode_.emplace_back(entry.code, static_cast<std::uint32_t>(k));
        (IsEudcCode(codePage_, entry.code) ? eudcCodes_ : otherCodes_).push_back(entry.code);
    }
    std::sort(entriesByCode_.begin(), entriesByCode_.end());  // pairs: equal codes stay in index order
}

lumenar::Result<PfiGlyphRecord, PfiError> CPfiDoc::FindGlyph(std::uint16_t code) const {
    using R = lumenar::Result<PfiGlyphRecord, PfiError>;
    const auto found = std::lower_bound(entriesByCode_.begin(), entriesByCode_.end(), std::make_pair(code, 0u));
    if (found == entriesByCode_.end() || found->first != code) {
        return R::failure({PfiErrorCode::NotFound, "the library has no glyph for code " + std::to_string(code)});
    }
    const std::size_t k = found->second;
    const PfiIndexEntry& entry = entries_[k];
    if (recordOffsets_[k] + entry.length > bytes_.size()) {
        return R::failure(
            {PfiErrorCode::Malformed, "the record of code " + std::to_string(code) + " runs past the end of the file"});
    }
    PfiGlyphRecord record;
    record.bytes =
        std::span<const std::uint8_t>(bytes_).subspan(static_cast<std::size_t>(recordOffsets_[k]), entry.length);
    record.advance = entry.advance == 0 ? emSize_ : entry.advance;
    return record;
}

}  // namespace pelorin
