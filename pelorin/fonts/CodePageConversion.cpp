#include "pelorin/fonts/CodePageConversion.h"

#include "pelorin/fonts/EudcPrivateUseRows.h"

#include <iconv.h>

#include <array>
#include <map>
#include <utility>

namespace pelorin::fonts {
namespace {

const char* converterName(std::uint16_t codePage) {
    switch (codePage) {
        case 936:
            return "CP936";
        case 950:
            return "CP950";
        case 932:
            return "CP932";
        case 949:
            return "CP949";
        case 1361:
            return "JOHAB";
        default:
            return nullptr;
    }
}

// One open converter per code page and direction, kept for the thread's life.
class Converters {
public:
    ~Converters() {
        for (auto& [key, cd] : open_)
            if (cd != invalid()) iconv_close(cd);
    }
    iconv_t get(std::uint16_t codePage, bool toUtf16) {
        const auto key = std::make_pair(codePage, toUtf16);
        auto found = open_.find(key);
        if (found == open_.end()) {
            const char* name = converterName(codePage);
            iconv_t cd = invalid();
            if (name) cd = toUtf16 ? iconv_open("UTF-16BE", name) : iconv_open(name, "UTF-16BE");
            found = open_.emplace(key, cd).first;
        }
        return found->second;
    }
    static iconv_t invalid() { return reinterpret_cast<iconv_t>(-1); }

private:
    std::map<std::pair<std::uint16_t, bool>, iconv_t> open_;
};

Converters& converters() {
    thread_local Converters instance;
    return instance;
}

// Converts exactly the two input bytes; the output must be exactly two bytes.
std::optional<std::array<unsigned char, 2>> convertPair(iconv_t cd, std::array<unsigned char, 2> in) {
    if (cd == Converters::invalid()) return std::nullopt;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);  // reset the shift state
    std::array<unsigned char, 8> out{};
    char* inPtr = reinterpret_cast<char*>(in.data());
    char* outPtr = reinterpret_cast<char*>(out.data());
    size_t inLeft = in.size();
    size_t outLeft = out.size();
    if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<size_t>(-1)) return std::nullopt;
    if (iconv(cd, nullptr, nullptr, &outPtr, &outLeft) == static_cast<size_t>(-1)) return std::nullopt;
    if (inLeft != 0 || out.size() - outLeft != 2) return std::nullopt;
    return std::array<unsigned char, 2>{out[0], out[1]};
}

}  // namespace

std::optional<std::uint16_t> toUnicode(std::uint16_t codePage, std::uint16_t code) {
    if (codePage == 0) return code == 0 ? std::nullopt : std::optional<std::uint16_t>(code);
    if (auto privateUse = privateUseOfEudcCode(codePage, code)) return privateUse;
    const auto lead = static_cast<unsigned char>(code >> 8);
    const auto trail = static_cast<unsigned char>(code & 0xFF);
    if (lead < 0x80) return std::nullopt;  // not a lead byte in any of these code pages
    const auto unit = convertPair(converters().get(codePage, true), {lead, trail});
    if (!unit) return std::nullopt;
    const auto value = static_cast<std::uint16_t>((*unit)[0] << 8 | (*unit)[1]);
    if (value >= 0xD800 && value <= 0xDFFF) return std::nullopt;  // half of a pair is no character
    return value;
}

std::uint16_t toLibraryCode(std::uint16_t codePage, std::uint16_t unicode) {
    if (codePage == 0) return unicode;
    if (unicode >= 0xE000 && unicode <= 0xF8FF) {
        if (auto code = eudcCodeOfPrivateUse(codePage, unicode)) return *code;
    }
    if (unicode >= 0xD800 && unicode <= 0xDFFF) return 0;
    const auto bytes = convertPair(converters().get(codePage, false),
                                   {static_cast<unsigned char>(unicode >> 8), static_cast<unsigned char>(unicode)});
    if (!bytes) return 0;
    const auto code = static_cast<std::uint16_t>((*bytes)[0] << 8 | (*bytes)[1]);
    // The converter's own mapping must agree with the EUDC rows both ways.
    if (privateUseOfEudcCode(codePage, code)) return 0;
    return code;
}

std::uint16_t languageIdOfCodePage(std::uint16_t codePage) {
    switch (codePage) {
        case 932:
            return 1041;
        case 936:
            return 2052;
        case 950:
            return 1028;
        default:
            return 1033;
    }
}

bool cmapEncodingSuits(std::uint16_t codePage, std::uint16_t encodingId) {
    if (encodingId == 1) return true;
    switch (codePage) {
        case 932:
            return encodingId == 2;
        case 936:
            return encodingId == 3;
        case 949:
            return encodingId == 5;
        case 950:
            return encodingId == 4;
        case 1361:
            return encodingId == 6;
        default:
            return false;
    }
}

}  // namespace pelorin::fonts
