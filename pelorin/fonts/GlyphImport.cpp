#include "pelorin/fonts/GlyphImport.h"

#include "common/AsciiCase.h"

#include "pelorin/fonts/CmapEncoding.h"
#include "pelorin/fonts/CodePageConversion.h"
#include "pelorin/fonts/FontBackup.h"
#include "pelorin/fonts/LibraryGlyph.h"
#include "pelorin/fonts/MergePlan.h"
#include "pelorin/truetype/EudcFontFile.h"
#include "pelorin/truetype/MergedFontFile.h"
#include "pelorin/truetype/SourceFont.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

namespace pelorin::fonts {
namespace {

namespace tt = pelorin::truetype;

std::string codeText(std::uint16_t code) {
    char text[8];
    std::snprintf(text, sizeof text, "%04X", code);
    return text;
}

// The face's EUDC link as it was before the import touched it.
class LinkGuard {
public:
    LinkGuard(FontEntry& entry, EudcLinks& links) : entry_(entry), links_(links), previous_(entry.eudcFilePath) {
        links_.unlinkEudc(entry_.codePage, entry_.faceName);
    }
    void restorePrevious() {
        if (!previous_.empty()) links_.linkEudc(entry_.codePage, entry_.faceName, previous_);
    }
    void linkNew(const std::string& path) {
        links_.linkEudc(entry_.codePage, entry_.faceName, path);
        entry_.eudcFilePath = path;
    }

private:
    FontEntry& entry_;
    EudcLinks& links_;
    std::string previous_;
};

// The library's EUDC codes into an open EUDC font, one progress step each.
void addEudcGlyphs(tt::EudcFontFile& font, std::uint16_t codePage, const CPfiDoc& library, bool smooth, bool replace,
                   MessageSink& messages, ImportProgress& progress) {
    const std::uint16_t em = font.Em();
    const std::int16_t ascender = font.Ascender();
    for (const std::uint16_t code : library.EudcCodes()) {
        progress.step();
        const auto glyph = convertLibraryGlyph(library, code, em, ascender, smooth, messages);
        if (!glyph) continue;
        const auto unicode = toUnicode(codePage, code);
        if (!unicode) {
            messages.show(text(codeText(code), message::kNotAValidCode));
            continue;
        }
        const auto added = font.AddGlyph(*unicode, glyph->data, glyph->horizontal, glyph->vertical, replace);
        // A character outside the Private Use Area has no slot: say so rather than drop it unseen.
        if (added.ok() && added.value() == tt::GlyphSlotChange::OutsideFont)
            messages.show(text(codeText(code), message::kNotAValidCode));
    }
}

std::string cannotCreateEudc(const std::string& path) {
    return text(message::kCannotCreateEudc, path, message::kCheckDiskSpace);
}

// The library's codes as the font's character map knows them, ascending, each once.
std::vector<std::uint32_t> libraryCodesForFont(const CPfiDoc& library, const FontEntry& entry, bool unicodeCmap,
                                               MessageSink& messages) {
    std::vector<std::uint32_t> codes;
    for (const std::uint16_t code : library.OtherCodes()) {
        if (!unicodeCmap) {
            codes.push_back(code);
            continue;
        }
        const auto unicode = toUnicode(entry.codePage, code);
        if (unicode)
            codes.push_back(*unicode);
        else
            messages.show(text(codeText(code), message::kNotAValidCode));
    }
    std::sort(codes.begin(), codes.end());
    codes.erase(std::unique(codes.begin(), codes.end()), codes.end());
    return codes;
}

// The glyphs of the merged font in index order, with their metrics.
class GlyphWriter {
public:
    GlyphWriter(tt::MergedFontFile& out, const tt::SourceFont& source, const CPfiDoc& library, const FontEntry& entry,
                bool unicodeCmap, bool smooth, ImportContext& context)
        : out_(out),
          source_(source),
          library_(library),
          entry_(entry),
          unicodeCmap_(unicodeCmap),
          smooth_(smooth),
          context_(context) {}

    void copySourceGlyph(std::uint16_t index) {
        out_.AppendGlyph(source_.GetGlyph(index));
        const tt::GlyphMetrics metrics = source_.GetMetrics(index);
        horizontal_.push_back(metrics.horizontal);
        vertical_.push_back(metrics.vertical);
    }

    // The library's glyph for a code of the font's map; the fallback glyph
    // (the source's, or an empty one past the source) when it does not convert.
    void libraryGlyph(std::uint16_t index, std::uint32_t fontCode) {
        context_.progress.step();
        const std::uint16_t code = unicodeCmap_ ? toLibraryCode(entry_.codePage, static_cast<std::uint16_t>(fontCode))
                                                : static_cast<std::uint16_t>(fontCode);
        const auto glyph =
            convertLibraryGlyph(library_, code, source_.UnitsPerEm(), source_.Ascender(), smooth_, context_.messages);
        if (glyph) {
            out_.AppendGlyph(glyph->data);
            horizontal_.push_back(glyph->horizontal);
            vertical_.push_back(glyph->vertical);
        } else if (index < source_.NumGlyphs()) {
            copySourceGlyph(index);
        } else {
            out_.AppendGlyph({});
            horizontal_.push_back({source_.UnitsPerEm(), 0});
            vertical_.push_back({source_.UnitsPerEm(), 0});
        }
    }

    const std::vector<tt::LongMetric>& horizontal() const { return horizontal_; }
    const std::vector<tt::LongMetric>& vertical() const { return vertical_; }

private:
    tt::MergedFontFile& out_;
    const tt::SourceFont& source_;
    const CPfiDoc& library_;
    const FontEntry& entry_;
    bool unicodeCmap_;
    bool smooth_;
    ImportContext& context_;
    std::vector<tt::LongMetric> horizontal_;
    std::vector<tt::LongMetric> vertical_;
};

bool writeMergedFont(tt::MergedFontFile& out, const tt::SourceFont& source, const MergePlan& plan,
                     const CPfiDoc& library, const FontEntry& entry, bool unicodeCmap, bool smooth,
                     ImportContext& context) {
    std::vector<tt::CodeGlyph> cmap;
    cmap.reserve(plan.codes.size());
    for (const MergedCode& merged : plan.codes) cmap.push_back({merged.code, merged.glyph});
    if (!out.CopyTables(source) || !out.WriteCmap(source, cmap) || !out.SetNumGlyphs(plan.glyphCount)) return false;
    out.BeginGlyphs();
    const std::vector<std::uint32_t> libraryCode = libraryCodeByGlyph(plan);
    GlyphWriter writer(out, source, library, entry, unicodeCmap, smooth, context);
    for (std::uint32_t index = 0; index < plan.glyphCount; ++index) {
        const auto glyph = static_cast<std::uint16_t>(index);
        if (libraryCode[index] != 0)
            writer.libraryGlyph(glyph, libraryCode[index]);
        else
            writer.copySourceGlyph(glyph);
    }
    out.EndGlyphs();
    const std::vector<std::uint32_t> offsets(out.GlyphOffsets().begin(), out.GlyphOffsets().end());
    if (!out.WriteLoca(offsets) || !out.WriteHmtx(writer.horizontal()) || !out.WriteVmtx(writer.vertical()))
        return false;
    out.FinishCounts();
    return out.Close().ok();
}

}  // namespace

bool addAllToFont(Precedence precedence, bool smooth, FontEntry& entry, const std::string& newFontPath,
                  const CPfiDoc& library, ImportContext& context) {
    if (library.OtherCodes().empty()) {
        entry.newFontFilePath = entry.fontFilePath;
        return true;
    }
    auto source = tt::SourceFont::Open(entry.fontFilePath, static_cast<std::uint32_t>(entry.faceIndex));
    if (!source) {
        context.messages.show(text(message::kCannotOpenFont, entry.fontFilePath, message::kMayBeDamaged));
        return false;
    }
    const std::uint16_t encoding = cmapEncodingOf(*source);
    if (!cmapEncodingSuits(entry.codePage, encoding)) {
        context.messages.show(text(message::kFontPrefix, entry.faceName, message::kRegionMismatch));
        return false;
    }
    const bool unicodeCmap = encoding == 1;
    // A Unicode font keeps its supplementary-plane characters in the copy.
    const MergePlan plan = planMerge(unicodeCmap ? source->EnumerateAllCodes() : source->EnumerateCodes(),
                                     libraryCodesForFont(library, entry, unicodeCmap, context.messages),
                                     source->NumGlyphs(), precedence == Precedence::Library);
    const bool anyFromLibrary =
        std::any_of(plan.codes.begin(), plan.codes.end(), [](const MergedCode& m) { return m.fromLibrary; });
    if (!anyFromLibrary) {
        entry.newFontFilePath = entry.fontFilePath;
        return true;
    }
    const std::string cannotCreate = text(message::kCannotCreateFont, newFontPath, message::kCheckDiskSpace);
    auto out = tt::MergedFontFile::Create(newFontPath);
    if (!out || plan.glyphCount > 0xFFFF) {
        context.messages.show(cannotCreate);
        return false;
    }
    if (!writeMergedFont(out.value(), *source, plan, library, entry, unicodeCmap, smooth, context)) {
        context.messages.show(cannotCreate);
        return false;
    }
    entry.newFontFilePath = newFontPath;
    return true;
}

ImportSettings defaultImportSettings(const FontEntry& entry, const std::string& currentDirectory) {
    ImportSettings settings;
    settings.newFontPath =
        (std::filesystem::path(currentDirectory) / std::filesystem::path(entry.fontFilePath).filename()).string();
    settings.newEudcPath = entry.eudcFilePath;
    if (settings.newEudcPath.empty() && !settings.newFontPath.empty()) {
        settings.newEudcPath = settings.newFontPath;
        settings.newEudcPath.back() = 'e';
    }
    return settings;
}

bool writeNewEudcFont(const std::string& path, std::uint16_t codePage, std::uint16_t languageId,
                      std::uint16_t baseWinAscent, const CPfiDoc& library, bool smooth, MessageSink& messages,
                      ImportProgress& progress) {
    auto font = tt::EudcFontFile::Create(path, languageId, baseWinAscent);
    if (!font) {
        messages.show(cannotCreateEudc(path));
        return false;
    }
    addEudcGlyphs(font.value(), codePage, library, smooth, true, messages, progress);
    if (!font->Close()) {
        messages.show(cannotCreateEudc(path));
        return false;
    }
    return true;
}

bool createEudc(bool smooth, FontEntry& entry, const std::string& newEudcPath, const CPfiDoc& library,
                ImportContext& context) {
    LinkGuard link(entry, context.links);
    if (library.EudcCodes().empty()) {
        link.restorePrevious();
        return true;
    }
    const std::uint16_t winAscent = context.baseWinAscent ? context.baseWinAscent(entry) : 0;
    if (!writeNewEudcFont(newEudcPath, entry.codePage, languageIdOfCodePage(entry.codePage), winAscent, library, smooth,
                          context.messages, context.progress)) {
        link.restorePrevious();
        return false;
    }
    link.linkNew(newEudcPath);
    return true;
}

bool mergeEudc(Precedence precedence, bool smooth, FontEntry& entry, const std::string& newEudcPath,
               const CPfiDoc& library, ImportContext& context) {
    const std::string previousPath = entry.eudcFilePath;
    LinkGuard link(entry, context.links);
    if (library.EudcCodes().empty()) {
        link.restorePrevious();
        return true;
    }
    const auto cannotOpen = [&] {
        context.messages.show(text(message::kCannotOpenEudc, previousPath, message::kMayBeDamaged));
        link.restorePrevious();
        return false;
    };
    if (lumenar::upperCased(previousPath) != lumenar::upperCased(newEudcPath)) {
        if (!copyFileAtomically(previousPath, newEudcPath).empty()) return cannotOpen();
    }
    auto font = tt::EudcFontFile::OpenForMerge(newEudcPath);
    if (!font) return cannotOpen();
    addEudcGlyphs(font.value(), entry.codePage, library, smooth, precedence == Precedence::Library, context.messages,
                  context.progress);
    if (!font->Close()) {
        context.messages.show(cannotCreateEudc(newEudcPath));
        link.restorePrevious();
        return false;
    }
    link.linkNew(newEudcPath);
    return true;
}

bool runImport(FontEntry& entry, const ImportSettings& settings, ImportContext& context) {
    entry.libraryFilePath = settings.libraryPath;
    CPfiDoc library;
    if (!library.Open(settings.libraryPath, context.libraryOptions)) {
        context.messages.show(text(message::kCannotOpenLibrary, settings.libraryPath));
        entry.libraryFilePath.clear();
        return false;
    }
    for (const std::string& warning : library.Warnings()) context.messages.show(warning);
    if (library.CodePage() != entry.codePage) context.messages.show(std::string(message::kLibraryCodeSpaceDiffers));
    context.progress.setRange(library.GlyphCount());

    bool ok = false;
    if (settings.mode == ImportMode::EudcOnly || entry.eudcFilePath.empty())
        ok = createEudc(settings.smooth, entry, settings.newEudcPath, library, context);
    else
        ok = mergeEudc(settings.precedence, settings.smooth, entry, settings.newEudcPath, library, context);
    if (ok && settings.mode == ImportMode::EverythingIntoFont) {
        ok = addAllToFont(settings.precedence, settings.smooth, entry, settings.newFontPath, library, context);
        if (!ok) entry.newFontFilePath.clear();
    }
    if (!ok) entry.libraryFilePath.clear();
    return ok;
}

}  // namespace pelorin::fonts
