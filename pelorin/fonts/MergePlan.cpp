#include "pelorin/fonts/MergePlan.h"

namespace pelorin::fonts {

MergePlan planMerge(const std::vector<truetype::CodeGlyph>& fontCodes, const std::vector<std::uint32_t>& libraryCodes,
                    std::uint16_t fontGlyphCount, bool libraryPreferred) {
    MergePlan plan;
    plan.glyphCount = fontGlyphCount;
    auto font = fontCodes.begin();
    auto library = libraryCodes.begin();
    const auto addNew = [&plan](std::uint32_t code) {
        plan.codes.push_back({code, static_cast<std::uint16_t>(plan.glyphCount), true});
        ++plan.glyphCount;
    };
    while (font != fontCodes.end() && library != libraryCodes.end()) {
        if (font->code < *library) {
            plan.codes.push_back({font->code, font->glyph, false});
            ++font;
        } else if (font->code == *library) {
            plan.codes.push_back({font->code, font->glyph, libraryPreferred});
            ++font;
            ++library;
        } else {
            addNew(*library);
            ++library;
        }
    }
    for (; font != fontCodes.end(); ++font) plan.codes.push_back({font->code, font->glyph, false});
    for (; library != libraryCodes.end(); ++library) addNew(*library);
    return plan;
}

std::vector<std::uint32_t> libraryCodeByGlyph(const MergePlan& plan) {
    std::vector<std::uint32_t> byGlyph(plan.glyphCount, 0);
    for (const MergedCode& merged : plan.codes)
        if (merged.fromLibrary && merged.glyph < byGlyph.size()) byGlyph[merged.glyph] = merged.code;
    return byGlyph;
}

}  // namespace pelorin::fonts
