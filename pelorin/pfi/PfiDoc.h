#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "common/Result.h"
#include "pelorin/pfi/GlyphDecoder.h"
#include "pelorin/pfi/OutlineSegment.h"
#include "pelorin/pfi/PfiError.h"

namespace pelorin {

// What Open needs to know about the system it runs on.
struct PfiOpenOptions {
    // The system's code page (see CodePageFromLanguage); used for libraries
    // whose code-space tag names neither 936 nor 950, and for old versions.
    std::uint16_t systemCodePage = 0;
    // The directory of Pelorin's program file, where DIRore.INI lies.
    std::filesystem::path iniDirectory;
};

// One index entry as stored: where its record lies is derived at Open.
struct PfiIndexEntry {
    std::uint16_t code = 0;    // lead byte high; a UCS-2 code point in a code page 0 library
    std::uint16_t length = 0;  // bytes of the glyph record
    std::int16_t advance = 0;  // library units; 0 means the em size
};

// A glyph record found by code: a view into the library's bytes, valid while
// the document lives and is not reopened.
struct PfiGlyphRecord {
    std::span<const std::uint8_t> bytes;
    std::int32_t advance = 0;  // library units, 0 in the index already replaced by the em size
};

// A PFI supplementary-character library: header, index and glyph records.
// Open reads the whole file and checks every offset and count against its
// size; nothing afterwards touches the file.
class CPfiDoc {
public:
    // Opens a library file. Fails with CannotOpen when the file cannot be
    // read, BadLibrary when its header or index do not fit the file or its
    // em size is 0. Warnings for the user (code-space tag, old version) are
    // left in Warnings().
    lumenar::Status<PfiError> Open(const std::filesystem::path& path, const PfiOpenOptions& options);
    // The same for library bytes already in memory; `path` names the library
    // in warnings and selects the DIRore.INI key of an old version.
    lumenar::Status<PfiError> OpenBytes(std::vector<std::uint8_t> bytes, const std::filesystem::path& path,
                                        const PfiOpenOptions& options);

    // 936, 950, or the system's code page (932, 936, 950, 1361 or 0).
    std::uint16_t CodePage() const { return codePage_; }
    std::uint16_t GlyphCount() const { return static_cast<std::uint16_t>(entries_.size()); }
    std::uint16_t EmSize() const { return emSize_; }
    // Codes in index order, split by the code page's user-defined area;
    // together they hold every entry (duplicates included).
    std::span<const std::uint16_t> EudcCodes() const { return eudcCodes_; }
    std::span<const std::uint16_t> OtherCodes() const { return otherCodes_; }
    std::span<const PfiIndexEntry> Entries() const { return entries_; }
    // Messages Open produced for the user (already complete texts).
    const std::vector<std::string>& Warnings() const { return warnings_; }

    // The record of the first entry in index order that carries `code`.
    // NotFound when no entry does; Malformed when its record runs past the
    // end of the file.
    lumenar::Result<PfiGlyphRecord, PfiError> FindGlyph(std::uint16_t code) const;

    // Decodes a record FindGlyph returned; see pelorin::DecodeGlyph. Room for
    // SegmentRoomFor(record.size()) records always suffices.
    static lumenar::Result<std::size_t, PfiError> DecodeGlyph(std::span<const std::uint8_t> record,
                                                              std::span<OutlineSegment> room) {
        return pelorin::DecodeGlyph(record, room);
    }

private:
    lumenar::Status<PfiError> ReadHeader(const std::filesystem::path& path, const PfiOpenOptions& options);
    void ReadIndex();

    std::vector<std::uint8_t> bytes_;
    std::uint16_t codePage_ = 0;
    std::uint16_t emSize_ = 0;
    std::uint32_t indexOffset_ = 0;
    std::uint32_t dataOffset_ = 0;
    std::vector<PfiIndexEntry> entries_;
    std::vector<std::uint64_t> recordOffsets_;  // per entry, from the start of the file
    // (code, entry) sorted by code, entries of one code in index order.
    std::vector<std::pair<std::uint16_t, std::uint32_t>> entriesByCode_;
    std::vector<std::uint16_t> eudcCodes_;
    std::vector<std::uint16_t> otherCodes_;
    std::vector<std::string> warnings_;
};

}  // namespace pelorin
