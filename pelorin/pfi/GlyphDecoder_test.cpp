#include "pelorin/pfi/GlyphDecoder.h"

#include <gtest/gtest.h>

#include <vector>

namespace pelorin {
namespace {

using Bytes = std::vector<std::uint8_t>;

OutlineSegment Line(OutlinePoint a, OutlinePoint b, SegmentRole role = SegmentRole::Inner) {
    OutlineSegment s;
    s.role = role;
    s.kind = SegmentKind::Line;
    s.points[0] = a;
    s.points[1] = b;
    return s;
}

OutlineSegment WithRole(OutlineSegment s, SegmentRole role) {
    s.role = role;
    return s;
}

OutlineSegment EndRecord() {
    OutlineSegment s;
    s.role = SegmentRole::End;
    return s;
}

lumenar::Result<std::vector<OutlineSegment>, PfiError> Decode(const Bytes& record, std::size_t room = 0) {
    std::vector<OutlineSegment> out(room ? room : SegmentRoomFor(record.size()));
    auto count = DecodeGlyph(record, out);
    if (!count) return lumenar::Result<std::vector<OutlineSegment>, PfiError>::failure(count.error());
    out.resize(*count);
    return out;
}

// A 50-unit square from (100, 100), drawn with the 7-bit pair opcode; the
// glyph byte says "all lines", the one bitmap byte is still there.
const Bytes kSquare = {0x81, 0x04, 0x00, 0x48, 0x64, 0x64, 0x00, 0x32, 0x19, 0x00, 0x00, 0x4E, 0x27, 0x00, 0xEF};

TEST(GlyphDecoderTest, SquareGetsHeadAndTailCopies) {
    const auto segments = Decode(kSquare);
    ASSERT_TRUE(segments.ok()) << segments.error().detail;
    const OutlineSegment s1 = Line({100, 100}, {100, 150});
    const OutlineSegment s4 = Line({150, 100}, {100, 100});
    EXPECT_EQ(*segments, (std::vector<OutlineSegment>{WithRole(s4, SegmentRole::Head), s1, Line({100, 150}, {150, 150}),
                                                      Line({150, 150}, {150, 100}), s4, WithRole(s1, SegmentRole::Tail),
                                                      EndRecord()}));
}

TEST(GlyphDecoderTest, ContourEndingAwayFromItsStartGetsClosingLine) {
    const Bytes threeSides = {0x81, 0x03, 0x00, 0x48, 0x64, 0x64, 0x00, 0x32, 0x19, 0x00, 0x00, 0x4E, 0xEF};
    const auto segments = Decode(threeSides);
    ASSERT_TRUE(segments.ok()) << segments.error().detail;
    const OutlineSegment closing = Line({150, 100}, {100, 100});
    ASSERT_EQ(segments->size(), 7u);
    EXPECT_EQ((*segments)[4], closing);
    EXPECT_EQ((*segments)[0], WithRole(closing, SegmentRole::Head));
}

TEST(GlyphDecoderTest, OneCurveContour) {
    // Curve bit set; points (10,10), (30,40), (10,10), (10,10).
    const Bytes record = {0x01, 0x01, 0x01, 0x48, 0x0A, 0x0A, 0x49, 0x14, 0x1E, 0xEC, 0xE2, 0x40, 0x00, 0xEF};
    const auto segments = Decode(record);
    ASSERT_TRUE(segments.ok()) << segments.error().detail;
    OutlineSegment curve;
    curve.kind = SegmentKind::Curve;
    curve.points = {OutlinePoint{10, 10}, OutlinePoint{30, 40}, OutlinePoint{10, 10}, OutlinePoint{10, 10}};
    EXPECT_EQ(*segments, (std::vector<OutlineSegment>{WithRole(curve, SegmentRole::Head), curve,
                                                      WithRole(curve, SegmentRole::Tail), EndRecord()}));
}

TEST(GlyphDecoderTest, CurveBitsAreTakenOnlyByUnflaggedContoursOfUnflaggedGlyphs) {
    // Contour 1 is flagged all-lines (2 segments), contour 2 is not (2 segments):
    // S = 2, one bitmap byte 0b01 -> contour 2's first segment is a curve.
    const Bytes mixed = {0x02, 0x82, 0x02, 0x01, 0x42, 0x00, 0x10, 0x01,  // contour 1: (0,0) (1,0) (1,1)
                         0x44, 0x11, 0x11, 0x11, 0x00, 0x11,              // contour 2: start, curve, line
                         0xEF};
    const auto segments = Decode(mixed);
    ASSERT_TRUE(segments.ok()) << segments.error().detail;
    std::vector<SegmentKind> kinds;
    for (const OutlineSegment& s : *segments) kinds.push_back(s.kind);
    using K = SegmentKind;
    // contour 1: head, 2 lines, closing, tail; contour 2: head, curve, line, closing, tail; end
    EXPECT_EQ(kinds, (std::vector<K>{K::Line, K::Line, K::Line, K::Line, K::Line, K::Line, K::Curve, K::Line, K::Line,
                                     K::Curve, K::None}));

    // Flagged all-lines, the glyph still skips its bitmap byte (0x01 would
    // otherwise be read as an opcode) and every segment is a line.
    const Bytes allLines = {0x82, 0x82, 0x02, 0x01, 0x42, 0x00, 0x10, 0x01, 0x42, 0x11, 0x11, 0x11, 0xEF};
    const auto lines = Decode(allLines);
    ASSERT_TRUE(lines.ok()) << lines.error().detail;
    ASSERT_EQ(lines->size(), 11u);
    for (std::size_t i = 0; i + 1 < lines->size(); ++i) EXPECT_EQ((*lines)[i].kind, K::Line) << i;
    EXPECT_EQ((*lines)[6].points[0], (OutlinePoint{2, 2}));
}

TEST(GlyphDecoderTest, TwoByteContourCount) {
    // 0x7D 0x05: (125 - 124) * 256 + 124 + 5 = 385 line segments.
    Bytes record = {0x81, 0x7D, 0x05};
    record.insert(record.end(), (385 + 7) / 8, 0x00);
    int moves = 386;
    while (moves > 0) {
        const int n = moves < 8 ? moves : 8;
        record.push_back(static_cast<std::uint8_t>(0x40 + n - 1));
        for (int i = 0; i < n; ++i) record.push_back(0x10);  // (1, 0)
        moves -= n;
    }
    record.push_back(0xEF);
    const auto segments = Decode(record);
    ASSERT_TRUE(segments.ok()) << segments.error().detail;
    EXPECT_EQ(segments->size(), 1 + 385 + 1 + 1 + 1u);  // head, segments, closing line, tail, end
}

TEST(GlyphDecoderTest, GlyphWithoutContoursIsEmpty) {
    for (const Bytes& record : {Bytes{0x00}, Bytes{0x80, 0xEF}}) {
        const auto segments = Decode(record);
        ASSERT_TRUE(segments.ok());
        EXPECT_TRUE(segments->empty());
    }
}

TEST(GlyphDecoderTest, RecordsWithMoreSegmentsThanBytesFitTheGuaranteedRoom) {
    // Four one-line contours from a single 8-move opcode: 17 records from 16 bytes.
    const Bytes record = {0x84, 0x01, 0x01, 0x01, 0x01, 0x00, 0x47, 0x00,
                          0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0xEF};
    const auto roomy = Decode(record);
    ASSERT_TRUE(roomy.ok()) << roomy.error().detail;
    EXPECT_EQ(roomy->size(), 17u);

    const auto tight = Decode(record, record.size());
    ASSERT_FALSE(tight.ok());
    EXPECT_EQ(tight.error().code, PfiErrorCode::Malformed);
}

struct MalformedCase {
    const char* name;
    Bytes record;
    const char* reason;  // a part of the expected detail
};

class MalformedRecordTest : public ::testing::TestWithParam<MalformedCase> {};

TEST_P(MalformedRecordTest, IsRejectedWithReason) {
    const auto segments = Decode(GetParam().record);
    ASSERT_FALSE(segments.ok());
    EXPECT_EQ(segments.error().code, PfiErrorCode::Malformed);
    EXPECT_NE(segments.error().detail.find(GetParam().reason), std::string::npos)
        << "detail: " << segments.error().detail;
}

Bytes SquareEndingWith(std::vector<std::uint8_t> ending) {
    Bytes r(kSquare.begin(), kSquare.end() - 1);
    r.insert(r.end(), ending.begin(), ending.end());
    return r;
}

// Nine moves of (4095, 4095) leave the 16-bit range.
Bytes OverflowingRecord() {
    Bytes r = {0x01, 0x90};  // one all-lines contour of 16 segments, no bitmap
    for (int i = 0; i < 9; ++i) r.insert(r.end(), {0x71, 0xFF, 0xEF, 0xFF});
    r.push_back(0xEF);
    return r;
}

INSTANTIATE_TEST_SUITE_P(
    Records, MalformedRecordTest,
    ::testing::Values(
        MalformedCase{"empty_record", {}, "empty"},
        MalformedCase{"zero_segment_contour", {0x01, 0x00, 0xEF}, "no segments"},
        MalformedCase{"zero_in_two_byte_count_is_fine_but_table_cut", {0x02, 0x01}, "contour table"},
        MalformedCase{"two_byte_count_cut", {0x01, 0x7C}, "contour table"},
        MalformedCase{"bitmap_cut", {0x01, 0x7B, 0x00}, "bitmap"},
        MalformedCase{"opcode_cut", {0x81, 0x01, 0x00, 0x48, 0x01}, "runs past"},
        MalformedCase{"no_terminator", SquareEndingWith({}), "terminator"},
        MalformedCase{"ended_by_0xEE", SquareEndingWith({0xEE}), "0xEE"},
        MalformedCase{"junk_after_last_contour", SquareEndingWith({0x74, 0xEF}), "does not end"},
        MalformedCase{"ee_inside_stream", {0x81, 0x02, 0x00, 0x40, 0x11, 0xEE}, "0xEE"},
        MalformedCase{"moves_after_last_contour", {0x81, 0x01, 0x00, 0x42, 0x11, 0x11, 0x11, 0xEF}, "after the last"},
        MalformedCase{"coordinate_overflow", OverflowingRecord(), "16-bit"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace pelorin
