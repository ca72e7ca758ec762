#include "pelorin/pfi/CodeSpace.h"

#include <array>
#include <span>

namespace pelorin {

namespace {

struct ByteRange {
    std::uint8_t first;
    std::uint8_t last;
    bool contains(std::uint8_t b) const { return first <= b && b <= last; }
    bool empty() const { return first == 0 && last == 0; }
};

struct EudcRow {
    ByteRange lead;
    ByteRange trail1;
    ByteRange trail2;  // 0-0 when the row has one trail range
};

constexpr std::array<EudcRow, 1> k932 = {{{{0xF0, 0xF9}, {0x40, 0x7E}, {0x80, 0xFC}}}};
constexpr std::array<EudcRow, 2> k936 = {{
    {{0xF8, 0xFE}, {0xA1, 0xFE}, {0, 0}},
    {{0xAA, 0xAF}, {0xA1, 0xFE}, {0, 0}},
}};
constexpr std::array<EudcRow, 2> k949 = {{
    {{0xC9, 0xC9}, {0xA1, 0xFE}, {0, 0}},
    {{0xFE, 0xFE}, {0xA1, 0xFE}, {0, 0}},
}};
constexpr std::array<EudcRow, 4> k950 = {{
    {{0xFA, 0xFE}, {0x40, 0x7E}, {0xA1, 0xFE}},
    {{0x8E, 0xA0}, {0x40, 0x7E}, {0xA1, 0xFE}},
    {{0x81, 0x8D}, {0x40, 0x7E}, {0xA1, 0xFE}},
    {{0xC6, 0xC8}, {0xA1, 0xFE}, {0, 0}},
}};
constexpr std::array<EudcRow, 1> kPrivateUseArea = {{{{0xE0, 0xF8}, {0x00, 0xFF}, {0, 0}}}};

std::span<const EudcRow> RowsFor(std::uint16_t codePage) {
    switch (codePage) {
        case 932:
            return k932;
        case 936:
            return k936;
        case 949:
        case 1361:
            return k949;
        case 950:
            return k950;
        default:
            return kPrivateUseArea;
    }
}

}  // namespace

std::uint16_t CodePageFromLanguage(std::uint16_t languageId) {
    switch (languageId) {
        case 1028:
            return 950;
        case 1041:
            return 932;
        case 1042:
            return 1361;
        case 2052:
            return 936;
        default:
            return 0;
    }
}

bool IsEudcCode(std::uint16_t codePage, std::uint16_t code) {
    const auto lead = static_cast<std::uint8_t>(code >> 8);
    const auto trail = static_cast<std::uint8_t>(code & 0xFF);
    for (const EudcRow& row : RowsFor(codePage)) {
        if (!row.lead.contains(lead)) continue;
        if (row.trail1.contains(trail)) return true;
        if (!row.trail2.empty() && row.trail2.contains(trail)) return true;
    }
    return false;
}

}  // namespace pelorin
