#include "tesvik/lookup/stroke/StrokePageInput.h"

#include <array>
#include <limits>

namespace tesvik::lookup {
namespace {

constexpr std::array<std::string_view, 5> kStrokeGlyphs = {"一", "丨", "丿", "丶", "乙"};
constexpr std::size_t kStrokeKeyCount = 5;

Message withArgument(MessageId id, std::string_view argument) {
    std::string text(messageText(id));
    const auto at = text.find("%s");
    if (at != std::string::npos) text.replace(at, 2, argument);
    return Message{id, text};
}

bool isUtf8Continuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// Decodes the UTF-8 characters of text (invalid bytes stand for themselves).
std::u32string decodeUtf8(std::string_view text) {
    std::u32string out;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
        char32_t c = length == 1 ? lead : lead & (0x3F >> (length - 1));
        std::size_t used = 1;
        while (used < length && i + used < text.size() && isUtf8Continuation(text[i + used])) {
            c = (c << 6) | (static_cast<unsigned char>(text[i + used]) & 0x3F);
            ++used;
        }
        out.push_back(used == length ? c : lead);
        i += used;
    }
    return out;
}

}  // namespace

std::string_view strokeGlyph(char digit) {
    if (digit < '1' || digit > '5') return {};
    return kStrokeGlyphs[static_cast<std::size_t>(digit - '1')];
}

std::string strokeGlyphs(std::string_view digits) {
    std::string glyphs;
    for (char digit : digits) glyphs += strokeGlyph(digit);
    return glyphs;
}

std::string strokeDigitsOf(std::string_view glyphs) {
    std::string digits;
    for (std::size_t i = 0; i < glyphs.size();) {
        bool matched = false;
        for (std::size_t k = 0; k < kStrokeGlyphs.size() && !matched; ++k) {
            if (glyphs.substr(i).starts_with(kStrokeGlyphs[k])) {
                digits.push_back(static_cast<char>('1' + k));
                i += kStrokeGlyphs[k].size();
                matched = true;
            }
        }
        if (!matched) ++i;
    }
    return digits;
}

lumenar::Status<Message> pressStrokeButton(std::string& strokes, char digit) {
    if (strokes.size() >= kMaxEnteredStrokes) {
        return lumenar::Status<Message>::failure(message(MessageId::TenStrokesOnly));
    }
    strokes.push_back(digit);
    return {};
}

void removeLastStroke(std::string& strokes) {
    if (!strokes.empty()) strokes.pop_back();
}

lumenar::Result<char, Message> strokeDigitForKey(char32_t key, std::string_view strokeKeys) {
    const std::u32string keys = decodeUtf8(strokeKeys);
    for (std::size_t i = 0; i < keys.size() && i < kStrokeKeyCount; ++i) {
        if (keys[i] == key) return static_cast<char>('1' + i);
    }
    return lumenar::Result<char, Message>::failure(withArgument(MessageId::InvalidStrokeKey, strokeKeys));
}

StrokeFieldUpdate afterStrokeFieldChange(std::string strokes, std::optional<char> typedDigit, std::size_t glyphCount) {
    if (glyphCount > kMaxEnteredStrokes) {
        return {std::move(strokes), false, message(MessageId::TenStrokesOnly)};
    }
    if (typedDigit) strokes.push_back(*typedDigit);
    if (strokes.size() > glyphCount) strokes.resize(glyphCount);
    const bool search = !strokes.empty();
    return {std::move(strokes), search, std::nullopt};
}

lumenar::Result<std::optional<std::uint32_t>, CountFieldRefusal> checkStrokeCountField(std::string_view text) {
    using R = lumenar::Result<std::optional<std::uint32_t>, CountFieldRefusal>;
    if (text.empty()) return std::optional<std::uint32_t>{};
    constexpr std::uint64_t kSaturated = std::numeric_limits<std::uint32_t>::max();
    std::uint64_t count = 0;
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c < '0' || c > '9') {
            return R::failure({withArgument(MessageId::InvalidStrokeCount, text), characters});
        }
        count = std::min(kSaturated, count * 10 + static_cast<std::uint64_t>(c - '0'));
        ++characters;
    }
    return std::optional<std::uint32_t>{static_cast<std::uint32_t>(count)};
}

}  // namespace tesvik::lookup
