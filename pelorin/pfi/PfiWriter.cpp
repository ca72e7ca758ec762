#include "pelorin/pfi/PfiWriter.h"

#include <algorithm>
#include <limits>
#include <optional>

#include "pelorin/pfi/LibraryScale.h"
#include "pelorin/pfi/MoveEncoder.h"
#include "platform/FileReplacement.h"

namespace pelorin {

namespace {

constexpr std::size_t kMaxContours = 127;
constexpr std::size_t kMaxContourSegments = 3 * 256 + 124 + 255;  // largest two-byte count
constexpr std::uint8_t kOneByteCountLimit = 123;
constexpr std::uint8_t kAllLines = 0x80;
constexpr std::size_t kMaxRecord = 0xFFFF;
constexpr std::uint16_t kLargestEmSize = 0x3FFF;

struct LibraryPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
    bool on = true;
};

// A contour in library units, starting on an on-point, every off-point
// between two on-points.
using LibraryContour = std::vector<LibraryPoint>;

struct EncodedContour {
    std::size_t segments = 0;
    bool allLines = true;
};

std::optional<std::string> MakeLibraryContour(const SourceContour& source, const LibraryScale& scale,
                                              LibraryContour& out) {
    out.clear();
    const std::size_t n = source.size();
    for (std::size_t i = 0; i < n; ++i) {
        const SourcePoint& p = source[i];
        out.push_back({scale.LibraryX(p.x), scale.LibraryY(p.y), p.onCurve});
        const SourcePoint& next = source[(i + 1) % n];
        if (!p.onCurve && !next.onCurve && n > 1) {
            const std::int32_t mx = static_cast<std::int32_t>((std::int64_t{p.x} + next.x) >> 1);
            const std::int32_t my = static_cast<std::int32_t>((std::int64_t{p.y} + next.y) >> 1);
            out.push_back({scale.LibraryX(mx), scale.LibraryY(my), true});
        }
    }
    if (n == 1 && !out[0].on) out[0].on = true;  // a lone off-point is all the contour has
    std::size_t firstOn = 0;
    while (!out[firstOn].on) ++firstOn;
    std::rotate(out.begin(), out.begin() + static_cast<std::ptrdiff_t>(firstOn), out.end());
    for (const LibraryPoint& p : out) {
        if (p.x < std::numeric_limits<std::int16_t>::min() || p.x > std::numeric_limits<std::int16_t>::max() ||
            p.y < std::numeric_limits<std::int16_t>::min() || p.y > std::numeric_limits<std::int16_t>::max()) {
            return "a point lies outside the library's 16-bit coordinate range";
        }
    }
    return std::nullopt;
}

// Turns glyphs into records: contour table, curve bitmap, coordinate stream.
class RecordEncoder {
public:
    explicit RecordEncoder(const LibraryScale& scale) : scale_(scale) {}

    // The record, or why the glyph cannot be stored.
    std::optional<std::string> Encode(const SourceGlyph& glyph, std::vector<std::uint8_t>& record) {
        record.clear();
        moves_.clear();
        curveBits_.clear();
        segmentKinds_.clear();
        contours_.clear();
        current_ = {};
        for (const SourceContour& source : glyph.contours) {
            if (source.empty()) continue;
            if (auto problem = MakeLibraryContour(source, scale_, contour_)) return problem;
            if (auto problem = AddContour()) return problem;
        }
        if (contours_.size() > kMaxContours) return "more than 127 contours";
        WriteRecord(record);
        if (record.size() > kMaxRecord) return "the glyph's record exceeds 65535 bytes";
        return std::nullopt;
    }

private:
    std::optional<std::string> AddContour() {
        const std::size_t n = contour_.size();
        EncodedContour encoded;
        if (!Move(contour_[0])) return TooFar();
        std::size_t i = 0;
        while (i < n) {
            const LibraryPoint& next = contour_[(i + 1) % n];
            if (next.on) {
                // The last line back to the start is left to the reader's
                // closing line unless it starts on the start point itself.
                const bool closing = i + 1 == n;
                const bool startsOnStart = contour_[i].x == contour_[0].x && contour_[i].y == contour_[0].y;
                if (closing && !startsOnStart && encoded.segments > 0) break;
                if (!Move(next)) return TooFar();
                segmentKinds_.push_back(false);
                ++i;
            } else {
                const LibraryPoint& end = contour_[(i + 2) % n];
                if (!Move(next) || !Move(end) || !Move(end)) return TooFar();
                segmentKinds_.push_back(true);
                encoded.allLines = false;
                i += 2;
            }
            ++encoded.segments;
        }
        if (encoded.segments > kMaxContourSegments) return "a contour has more than 1147 segments";
        if (!encoded.allLines) curveBits_.insert(curveBits_.end(), segmentKinds_.begin(), segmentKinds_.end());
        segmentKinds_.clear();
        contours_.push_back(encoded);
        return std::nullopt;
    }

    bool Move(const LibraryPoint& to) {
        const std::int32_t dx = to.x - current_.x;
        const std::int32_t dy = to.y - current_.y;
        if (!MoveFitsStream(dx, dy)) return false;
        moves_.push_back({static_cast<std::int16_t>(dx), static_cast<std::int16_t>(dy)});
        current_ = to;
        return true;
    }

    static std::string TooFar() { return "two consecutive points lie more than 4095 library units apart"; }

    void WriteRecord(std::vector<std::uint8_t>& record) const {
        bool glyphAllLines = true;
        for (const EncodedContour& c : contours_) glyphAllLines = glyphAllLines && c.allLines;
        record.push_back(
            static_cast<std::uint8_t>(contours_.size() | (glyphAllLines && !contours_.empty() ? kAllLines : 0)));
        for (const EncodedContour& c : contours_) {
            const std::uint8_t flag = c.allLines ? kAllLines : 0;
            if (c.segments <= kOneByteCountLimit) {
                record.push_back(static_cast<std::uint8_t>(c.segments | flag));
            } else {
                const std::size_t rest = c.segments - 124;
                record.push_back(static_cast<std::uint8_t>((124 + rest / 256) | flag));
                record.push_back(static_cast<std::uint8_t>(rest % 256));
            }
        }
        std::vector<std::uint8_t> bitmap((curveBits_.size() + 7) / 8, 0);
        for (std::size_t b = 0; b < curveBits_.size(); ++b) {
            if (curveBits_[b]) bitmap[b / 8] |= static_cast<std::uint8_t>(1u << (b % 8));
        }
        record.insert(record.end(), bitmap.begin(), bitmap.end());
        EncodeMoves(moves_, record);
        record.push_back(kStreamEnd);
    }

    const LibraryScale& scale_;
    LibraryContour contour_;
    std::vector<OutlineMove> moves_;
    std::vector<bool> curveBits_;
    std::vector<bool> segmentKinds_;
    std::vector<EncodedContour> contours_;
    LibraryPoint current_{};
};

std::optional<std::int16_t> LibraryAdvance(std::int32_t advance, const PfiLibraryLayout& layout) {
    if (advance == 0) return 0;
    // The smallest library advance that converts back to at least `advance`.
    const std::int64_t num = std::int64_t{advance} * layout.emSize;
    std::int64_t library = num >= 0 ? (num + layout.fontEm - 1) / layout.fontEm : num / layout.fontEm;
    if (library < std::numeric_limits<std::int16_t>::min() || library > std::numeric_limits<std::int16_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(library);
}

std::uint16_t EmWord(const PfiLibraryLayout& layout) {
    const std::uint16_t tag = layout.codePage == 936 ? 0x8000 : layout.codePage == 950 ? 0xC000 : 0;
    return static_cast<std::uint16_t>(tag | layout.emSize);
}

void PutU16(std::vector<std::uint8_t>& out, std::uint16_t v) {
    out.push_back(static_cast<std::uint8_t>(v & 0xFF));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void PutU32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    PutU16(out, static_cast<std::uint16_t>(v & 0xFFFF));
    PutU16(out, static_cast<std::uint16_t>(v >> 16));
}

struct IndexEntry {
    std::uint16_t code;
    std::int16_t advance;
    std::size_t recordOffset;
    std::size_t recordLength;
};

std::vector<std::uint8_t> LayOut(const PfiLibraryLayout& layout, const std::vector<IndexEntry>& entries,
                                 const std::vector<std::uint8_t>& records) {
    std::vector<std::uint8_t> out;
    out.reserve(12 + 8 * entries.size() + records.size());
    PutU32(out, 12);
    PutU32(out, static_cast<std::uint32_t>(12 + 8 * entries.size()));
    PutU16(out, static_cast<std::uint16_t>(entries.size()));
    PutU16(out, EmWord(layout));
    for (const IndexEntry& e : entries) {
        PutU16(out, e.code);
        PutU16(out, static_cast<std::uint16_t>(e.recordLength));
        PutU16(out, static_cast<std::uint16_t>(e.advance));
        PutU16(out, 0);
    }
    out.insert(out.end(), records.begin(), records.end());
    return out;
}

lumenar::Result<PackedLibrary, PfiError> BadArgument(std::string detail) {
    return lumenar::Result<PackedLibrary, PfiError>::failure({PfiErrorCode::BadArgument, std::move(detail)});
}

}  // namespace

lumenar::Result<PackedLibrary, PfiError> PackPfiLibrary(const PfiLibraryLayout& layout,
                                                        std::span<const SourceGlyph> glyphs) {
    if (layout.codePage != 936 && layout.codePage != 950 && layout.codePage != 0) {
        return BadArgument("a library's code page is 936, 950 or 0");
    }
    if (layout.emSize == 0 || layout.emSize > kLargestEmSize) return BadArgument("a library's em size is 1 to 16383");
    if (layout.fontEm == 0) return BadArgument("the source font's em size is 0");
    if (glyphs.size() > 0xFFFF) return BadArgument("a library holds at most 65535 glyphs");
    std::vector<bool> seen(0x10000, false);
    for (const SourceGlyph& g : glyphs) {
        if (seen[g.code]) return BadArgument("code " + std::to_string(g.code) + " is given twice");
        seen[g.code] = true;
    }

    const LibraryScale scale(layout.emSize, layout.fontEm);
    RecordEncoder encoder(scale);
    PackedLibrary packed;
    std::vector<IndexEntry> entries;
    std::vector<std::uint8_t> records;
    std::vector<std::uint8_t> record;
    for (const SourceGlyph& g : glyphs) {
        const std::optional<std::int16_t> advance = LibraryAdvance(g.advance, layout);
        if (!advance) {
            packed.skipped.push_back({g.code, "the advance does not fit the library"});
            continue;
        }
        if (auto problem = encoder.Encode(g, record)) {
            packed.skipped.push_back({g.code, *problem});
            continue;
        }
        entries.push_back({g.code, *advance, records.size(), record.size()});
        records.insert(records.end(), record.begin(), record.end());
    }
    packed.bytes = LayOut(layout, entries, records);
    return packed;
}

lumenar::Status<PfiError> WritePfiFile(const std::filesystem::path& path, std::span<const std::uint8_t> bytes) {
    if (auto written = platform::replaceFile(path, bytes); !written) {
        return lumenar::Status<PfiError>::failure({PfiErrorCode::CannotWrite, written.error().describe()});
    }
    return {};
}

}  // namespace pelorin
