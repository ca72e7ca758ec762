// A PFI library over arbitrary bytes: the header and index, every glyph
// record through the decoder, and the conversion to TrueType glyph data,
// plain and with curve optimisation.

#include <cstdint>
#include <span>
#include <vector>

#include "pelorin/pfi/GlyphConverter.h"
#include "pelorin/pfi/GlyphDecoder.h"
#include "pelorin/pfi/PfiDoc.h"

namespace {

// Enough glyphs to reach deep into any index, few enough to keep a run short.
constexpr std::size_t kMaxGlyphsPerInput = 16;

void convertEach(const pelorin::CPfiDoc& library, std::span<const std::uint16_t> codes, std::size_t& budget) {
    static pelorin::GlyphConverter converter;
    static std::vector<std::uint8_t> out(pelorin::kGlyphDataRoom);
    for (const std::uint16_t code : codes) {
        if (budget == 0) return;
        --budget;
        const auto record = library.FindGlyph(code);
        if (!record) continue;
        std::vector<pelorin::OutlineSegment> room(pelorin::SegmentRoomFor(record->bytes.size()));
        const auto decoded = pelorin::DecodeGlyph(record->bytes, room);
        if (decoded && *decoded > room.size()) __builtin_trap();
        // The font's em and ascender vary with the code, so that scaling up
        // and down both happen.
        const pelorin::ConversionTarget target{static_cast<std::uint16_t>(16 + code % 4096),
                                               static_cast<std::int16_t>(code % 3000 - 500)};
        const auto converted = converter.Convert(library, code, target, (code & 1) != 0, out);
        if (converted && converted->data.size() > out.size()) __builtin_trap();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    pelorin::CPfiDoc library;
    const pelorin::PfiOpenOptions options{static_cast<std::uint16_t>(size % 2 ? 936 : 0), {}};
    if (!library.OpenBytes(std::vector<std::uint8_t>(data, data + size), "fuzz.pfi", options)) return 0;
    if (library.EudcCodes().size() + library.OtherCodes().size() != library.GlyphCount()) __builtin_trap();
    std::size_t budget = kMaxGlyphsPerInput;
    convertEach(library, library.EudcCodes(), budget);
    convertEach(library, library.OtherCodes(), budget);
    return 0;
}
