#pragma once

#include <cstdint>
#include <string>

namespace pelorin::truetype {

// A table tag as its four ASCII bytes read big-endian, so tags compare and
// sort the way the bytes do.
using TableTag = uint32_t;

constexpr TableTag MakeTag(const char (&text)[5]) {
    return static_cast<TableTag>(static_cast<uint8_t>(text[0])) << 24 |
           static_cast<TableTag>(static_cast<uint8_t>(text[1])) << 16 |
           static_cast<TableTag>(static_cast<uint8_t>(text[2])) << 8 | static_cast<uint8_t>(text[3]);
}

inline std::string TagText(TableTag tag) {
    return std::string{static_cast<char>(tag >> 24), static_cast<char>(tag >> 16), static_cast<char>(tag >> 8),
                       static_cast<char>(tag)};
}

namespace tags {
inline constexpr TableTag kOS2 = MakeTag("OS/2");
inline constexpr TableTag kCmap = MakeTag("cmap");
inline constexpr TableTag kCvt = MakeTag("cvt ");
inline constexpr TableTag kFpgm = MakeTag("fpgm");
inline constexpr TableTag kGlyf = MakeTag("glyf");
inline constexpr TableTag kHead = MakeTag("head");
inline constexpr TableTag kHhea = MakeTag("hhea");
inline constexpr TableTag kHmtx = MakeTag("hmtx");
inline constexpr TableTag kLoca = MakeTag("loca");
inline constexpr TableTag kMaxp = MakeTag("maxp");
inline constexpr TableTag kName = MakeTag("name");
inline constexpr TableTag kPost = MakeTag("post");
inline constexpr TableTag kPrep = MakeTag("prep");
inline constexpr TableTag kVhea = MakeTag("vhea");
inline constexpr TableTag kVmtx = MakeTag("vmtx");
inline constexpr TableTag kHdmx = MakeTag("hdmx");
inline constexpr TableTag kLtsh = MakeTag("LTSH");
inline constexpr TableTag kDsig = MakeTag("DSIG");
}  // namespace tags

}  // namespace pelorin::truetype
