#include "pelorin/truetype/EudcLayout.h"

#include <string_view>

#include "pelorin/truetype/BigEndian.h"
#include "pelorin/truetype/TableChecksum.h"

namespace pelorin::truetype {
namespace {

using namespace eudc;
constexpr int kEm = kUnitsPerEm;
// Vertical proportions are fractions of the em truncated toward zero.
constexpr int16_t kAscent = static_cast<int16_t>(0.86 * kEm);                  // 220
constexpr int16_t kDescent = static_cast<int16_t>(0.86 * kEm - kEm);           // -35
constexpr int16_t kLineGap = static_cast<int16_t>(kEm - 0.86 * kEm);           // 35
constexpr int16_t kUnderlinePosition = static_cast<int16_t>(0.9 * kEm - kEm);  // -25
constexpr int16_t kThinStroke = kEm / 22;                                      // 11

std::vector<uint8_t> Cvt() { return {0, 0}; }
std::vector<uint8_t> Fpgm() { return {0xB0, 0x00, 0x2C, 0x2D}; }
std::vector<uint8_t> Prep() { return {0xB8, 0x01, 0xFF, 0x85, 0xB8, 0x00, 0x01, 0x8D}; }

std::vector<uint8_t> Name(uint16_t languageId) {
    constexpr std::string_view kStrings[] = {"00", "EUDC", "Regular", "00", "EUDC", "00", "00", "00"};
    constexpr uint16_t kCount = 8;
    std::vector<uint8_t> out;
    AppendU16(out, 0);
    AppendU16(out, kCount);
    AppendU16(out, 6 + 12 * kCount);
    uint16_t offset = 0;
    for (uint16_t id = 0; id < kCount; ++id) {
        const auto length = static_cast<uint16_t>(kStrings[id].size() * 2);
        for (uint16_t v : {uint16_t{3}, uint16_t{1}, languageId, id, length, offset}) AppendU16(out, v);
        offset = static_cast<uint16_t>(offset + length);
    }
    for (std::string_view s : kStrings) {
        for (char c : s) AppendU16(out, static_cast<uint16_t>(c));
    }
    return out;
}

std::vector<uint8_t> Cmap() {
    std::vector<uint8_t> out;
    for (uint16_t v : {0, 1, 3, 1}) AppendU16(out, v);
    AppendU32(out, 12);
    for (uint16_t v : {4, 32, 0, 4}) AppendU16(out, v);
    const SearchFields search = SearchFieldsFor(2, 2);
    for (uint16_t v : {search.searchRange, search.entrySelector, search.rangeShift}) AppendU16(out, v);
    for (uint16_t v : {kLastCode, uint16_t{0xFFFF}, uint16_t{0}, kFirstCode, uint16_t{0xFFFF}}) AppendU16(out, v);
    AppendU16(out, static_cast<uint16_t>(kFirstCodeGlyph - kFirstCode));
    for (uint16_t v : {1, 0, 0}) AppendU16(out, v);
    return out;
}

struct OS2Ranges {
    uint32_t unicode[4];
    uint32_t codePage[2];
};

OS2Ranges RangesFor(uint16_t languageId) {
    switch (languageId) {
        case 2052:
            return {{1, 0x080E0031, 0, 0}, {0x00040000, 0}};
        case 1028:
            return {{1, 0x080E0031, 0, 0}, {0x00100000, 0}};
        case 1042:
            return {{0x800002A7, 0x29D77CFB, 16, 0}, {0x00080000, 0}};
        default:
            return {{0, 0, 0, 0}, {0, 1}};
    }
}

std::vector<uint8_t> OS2(uint16_t languageId, uint16_t baseWinAscent) {
    std::vector<uint8_t> out;
    AppendU16(out, 1);                                                                      // version
    AppendI16(out, kEm / 2);                                                                // xAvgCharWidth
    AppendU16(out, 400);                                                                    // usWeightClass
    AppendU16(out, 5);                                                                      // usWidthClass
    AppendU16(out, 8);                                                                      // fsType
    for (int v : {kEm / 2, kEm / 2, 0, kEm / 16}) AppendI16(out, static_cast<int16_t>(v));  // subscript
    for (int v : {kEm / 2, kEm / 2, 0, kEm / 2}) AppendI16(out, static_cast<int16_t>(v));   // superscript
    AppendI16(out, kThinStroke);                                                            // yStrikeoutSize
    AppendI16(out, kEm / 4);                                                                // yStrikeoutPosition
    AppendI16(out, 0);                                                                      // sFamilyClass
    for (uint8_t b : {2, 1, 6, 9, 3, 1, 1, 1, 1, 1}) AppendU8(out, b);                      // panose
    const OS2Ranges ranges = RangesFor(languageId);
    for (uint32_t v : ranges.unicode) AppendU32(out, v);
    for (char c : std::string_view("VEZI")) AppendU8(out, static_cast<uint8_t>(c));
    AppendU16(out, 0x40);    // fsSelection
    AppendU16(out, 0x20);    // usFirstCharIndex
    AppendU16(out, 0xFFE5);  // usLastCharIndex
    AppendI16(out, kAscent);
    AppendI16(out, kDescent);
    AppendI16(out, kLineGap);
    AppendU16(out, baseWinAscent);
    AppendU16(out, static_cast<uint16_t>(kLineGap));  // usWinDescent
    for (uint32_t v : ranges.codePage) AppendU32(out, v);
    return out;
}

std::vector<uint8_t> Post() {
    std::vector<uint8_t> out;
    AppendU32(out, 0x00030000);
    AppendU32(out, 0);
    AppendI16(out, kUnderlinePosition);
    AppendI16(out, kThinStroke);
    for (int i = 0; i < 5; ++i) AppendU32(out, 0);
    return out;
}

std::vector<uint8_t> Hhea() {
    std::vector<uint8_t> out;
    AppendU32(out, 0x00010000);
    for (int16_t v : {kAscent, kDescent, kLineGap}) AppendI16(out, v);
    AppendU16(out, kEm);  // advanceWidthMax
    for (int v : {0, 0, kEm, 1, 0, 0, 0, 0, 0, 0, 0}) AppendI16(out, static_cast<int16_t>(v));
    AppendU16(out, kNumGlyphs);  // numberOfHMetrics
    return out;
}

std::vector<uint8_t> Vhea() {
    std::vector<uint8_t> out;
    AppendU32(out, 0x00010000);
    for (int v : {kEm / 2, -(kEm / 2), 0}) AppendI16(out, static_cast<int16_t>(v));
    AppendU16(out, kEm);  // advanceHeightMax
    for (int v : {0, 0, kEm, 0, 1, 0, 0, 0, 0, 0, 0}) AppendI16(out, static_cast<int16_t>(v));
    AppendU16(out, kNumGlyphs);  // numOfLongVerMetrics
    return out;
}

std::vector<uint8_t> FullMetrics() {
    std::vector<uint8_t> out;
    out.reserve(4u * kNumGlyphs);
    for (int g = 0; g < kNumGlyphs; ++g) {
        AppendU16(out, kEm);
        AppendI16(out, 0);
    }
    return out;
}

std::vector<uint8_t> Head() {
    std::vector<uint8_t> out;
    AppendU32(out, 0x00010000);
    AppendU32(out, 0x00020000);
    AppendU32(out, 0);  // checkSumAdjustment, set when written
    AppendU32(out, 0x5F0F3CF5);
    AppendU16(out, 0x000B);
    AppendU16(out, kEm);
    for (int i = 0; i < 4; ++i) AppendU32(out, 0);  // created, modified
    for (int v : {0, int{kDescent}, kEm, int{kAscent}}) AppendI16(out, static_cast<int16_t>(v));
    for (int v : {0, 12, 2, 1, 0}) AppendI16(out, static_cast<int16_t>(v));
    return out;
}

const uint8_t kSquareGlyph[] = {0x00, 0x01, 0x00, 0x74, 0x00, 0x50, 0x00, 0x8C, 0x00, 0x68, 0x00, 0x03,
                                0x00, 0x00, 0x37, 0x35, 0x33, 0x15, 0x74, 0x18, 0x50, 0x18, 0x18, 0x00};

std::vector<uint8_t> Loca() {
    std::vector<uint8_t> out;
    AppendU32(out, 0);
    for (int g = 0; g < kNumGlyphs; ++g) AppendU32(out, sizeof kSquareGlyph);
    return out;
}

std::vector<uint8_t> Maxp() {
    std::vector<uint8_t> out;
    AppendU32(out, 0x00010000);
    for (uint16_t v : {kNumGlyphs, uint16_t{4}, uint16_t{1}, uint16_t{0}, uint16_t{0}, uint16_t{1}, uint16_t{0},
                       uint16_t{0}, uint16_t{1}, uint16_t{0}, uint16_t{1}, uint16_t{1}, uint16_t{1}, uint16_t{1}}) {
        AppendU16(out, v);
    }
    return out;
}

}  // namespace

CTTFMan BuildEudcFont(uint16_t languageId, uint16_t baseWinAscent) {
    using namespace tags;
    CTTFMan font = CTTFMan::WithDirectory(
        {kOS2, kCmap, kCvt, kFpgm, kGlyf, kHead, kHhea, kHmtx, kLoca, kMaxp, kName, kPost, kPrep, kVhea, kVmtx});
    font.AppendTable(kCvt, Cvt());
    font.AppendTable(kFpgm, Fpgm());
    font.AppendTable(kPrep, Prep());
    font.AppendTable(kName, Name(languageId));
    font.AppendTable(kCmap, Cmap());
    font.AppendTable(kOS2, OS2(languageId, baseWinAscent));
    font.AppendTable(kPost, Post());
    font.AppendTable(kHhea, Hhea());
    font.AppendTable(kVhea, Vhea());
    font.AppendTable(kVmtx, FullMetrics());
    font.AppendTable(kHead, Head());
    font.AppendTable(kHmtx, FullMetrics());
    font.AppendTable(kLoca, Loca());
    font.AppendTable(kMaxp, Maxp());
    font.AppendTable(kGlyf, std::vector<uint8_t>(std::begin(kSquareGlyph), std::end(kSquareGlyph)));
    return font;
}

}  // namespace pelorin::truetype
