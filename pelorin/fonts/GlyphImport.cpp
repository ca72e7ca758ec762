#include "pelorin/fonts/GlyphImport.h"

#include "pelorin/fonts/CmapEncoding.h"
#include "pelorin/fonts/CodePageConversion.h"
#include "pelorin/fonts/LibraryGlyph.h"
#include "pelorin/fonts/MergePlan.h"
#include "pelorin/pfi/PfiMessages.h"
#include "pelorin/truetype/EudcFontFile.h"
#include "pelorin/truetype/MergedFontFile.h"
#include "pelorin/truetype/SourceFont.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <optional>

namespace pelorin::fonts {
namespace {

namespace tt = pelorin::truetype;

// How a step of the import ended.
enum class Outcome { Done, Failed, Cancelled };

// A character's two bytes, lead byte first: a printable ASCII byte as
// itself, any other as \xHH (the bytes are no text in the user's encoding).
std::string characterBytesText(std::uint16_t code) {
    std::string shown;
    for (const auto byte : {static_cast<std::uint8_t>(code >> 8), static_cast<std::uint8_t>(code & 0xFF)}) {
        if (byte >= 0x20 && byte < 0x7F && byte != '\\') {
            shown += static_cast<char>(byte);
        } else {
            char escaped[5];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            shown += escaped;
        }
    }
    return shown;
}

void showInvalidCode(MessageSink& messages, std::uint16_t code) {
    messages.show(text(characterBytesText(code), message::kNotAValidCode));
}

// The face's EUDC link during an import: removed when the import starts,
// then either the new EUDC file or the previous one. Failures are shown.
class LinkGuard {
public:
    LinkGuard(FontEntry& entry, EudcLinks& links, MessageSink& messages)
        : entry_(entry), links_(links), messages_(messages), previous_(entry.eudcFilePath) {
        const bool linked = !links_.eudcPathOf(entry_.codePage, entry_.faceName).empty();
        if (!links_.unlinkEudc(entry_.codePage, entry_.faceName, messages_) && linked)
            messages_.show(text(message::kFontPrefix, entry_.faceName, message::kCannotUnlinkEudc));
    }
    void restorePrevious() {
        if (!previous_.empty()) link(previous_);
    }
    void linkNew(const std::string& path) {
        link(path);
        entry_.eudcFilePath = path;
    }

private:
    void link(const std::string& path) {
        const auto linked = links_.linkEudc(entry_.codePage, entry_.faceName, path, messages_);
        if (!linked) messages_.show(linked.error());
    }

    FontEntry& entry_;
    EudcLinks& links_;
    MessageSink& messages_;
    std::string previous_;
};

// The library's EUDC codes into an EUDC font, one progress step each.
// Cancelled when the progress asks for it between two characters.
Outcome addEudcGlyphs(tt::EudcFontFile& font, std::uint16_t codePage, const CPfiDoc& library, bool smooth,
                      bool replace, MessageSink& messages, ImportProgress& progress) {
    const std::uint16_t em = font.Em();
    const std::int16_t ascender = font.Ascender();
    for (const std::uint16_t code : library.EudcCodes()) {
        if (progress.cancelRequested()) return Outcome::Cancelled;
        progress.step();
        const auto glyph = convertLibraryGlyph(library, code, em, ascender, smooth, messages);
        if (!glyph) continue;
        const auto unicode = toUnicode(codePage, code);
        if (!unicode) {
            showInvalidCode(messages, code);
            continue;
        }
        // A character that converts outside the Private Use Area has no slot
        // and is left out without a word.
        (void)font.AddGlyph(*unicode, glyph->data, glyph->horizontal, glyph->vertical, replace);
    }
    return Outcome::Done;
}

std::string cannotCreateEudc(const std::string& path) {
    return text(message::kCannotCreateEudc, path, message::kCheckDiskSpace);
}

// An EUDC font made or edited in memory, written to its path only when the
// import commits it; none when the library has no EUDC codes.
struct EudcStep {
    Outcome outcome = Outcome::Done;
    std::optional<tt::EudcFontFile> font;
};

EudcStep newEudcFont(const std::string& path, std::uint16_t codePage, std::uint16_t languageId,
                     std::uint16_t baseWinAscent, const CPfiDoc& library, bool smooth, MessageSink& messages,
                     ImportProgress& progress) {
    auto font = tt::EudcFontFile::Create(path, languageId, baseWinAscent);
    if (!font) {
        messages.show(cannotCreateEudc(path));
        return {Outcome::Failed, std::nullopt};
    }
    const Outcome added = addEudcGlyphs(font.value(), codePage, library, smooth, true, messages, progress);
    if (added != Outcome::Done) return {added, std::nullopt};
    return {Outcome::Done, std::move(font).value()};
}

// The entry's EUDC file with the library's EUDC codes added, to be written at `path`.
EudcStep mergedEudcFont(const FontEntry& entry, const std::string& path, Precedence precedence, bool smooth,
                        const CPfiDoc& library, ImportContext& context) {
    auto font = tt::EudcFontFile::OpenForMerge(entry.eudcFilePath, path);
    if (!font) {
        context.messages.show(text(message::kCannotOpenEudc, entry.eudcFilePath, message::kMayBeDamaged));
        return {Outcome::Failed, std::nullopt};
    }
    const Outcome added = addEudcGlyphs(font.value(), entry.codePage, library, smooth,
                                        precedence == Precedence::Library, context.messages, context.progress);
    if (added != Outcome::Done) return {added, std::nullopt};
    return {Outcome::Done, std::move(font).value()};
}

EudcStep eudcStep(const FontEntry& entry, const ImportSettings& settings, const CPfiDoc& library,
                  ImportContext& context) {
    if (library.EudcCodes().empty()) return {};
    if (settings.mode != ImportMode::EudcOnly && !entry.eudcFilePath.empty())
        return mergedEudcFont(entry, settings.newEudcPath, settings.precedence, settings.smooth, library, context);
    const std::uint16_t winAscent = context.baseWinAscent ? context.baseWinAscent(entry) : 0;
    return newEudcFont(settings.newEudcPath, entry.codePage, languageIdOfCodePage(entry.codePage), winAscent, library,
                       settings.smooth, context.messages, context.progress);
}

// Writes the EUDC step's font and links the face to it; with nothing to
// write, or when writing fails, the previous link comes back.
bool commitEudc(EudcStep& step, const std::string& path, LinkGuard& link, MessageSink& messages) {
    if (!step.font) {
        link.restorePrevious();
        return true;
    }
    if (!step.font->Close()) {
        messages.show(cannotCreateEudc(path));
        link.restorePrevious();
        return false;
    }
    link.linkNew(path);
    return true;
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
            showInvalidCode(messages, code);
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

// Lays out the merged font in memory, one progress step per library glyph.
Outcome layOutMergedFont(tt::MergedFontFile& out, const tt::SourceFont& source, const MergePlan& plan,
                         const CPfiDoc& library, const FontEntry& entry, bool unicodeCmap, bool smooth,
                         ImportContext& context) {
    std::vector<tt::CodeGlyph> cmap;
    cmap.reserve(plan.codes.size());
    for (const MergedCode& merged : plan.codes) cmap.push_back({merged.code, merged.glyph});
    if (!out.CopyTables(source) || !out.WriteCmap(source, cmap) || !out.SetNumGlyphs(plan.glyphCount))
        return Outcome::Failed;
    out.BeginGlyphs();
    const std::vector<std::uint32_t> libraryCode = libraryCodeByGlyph(plan);
    GlyphWriter writer(out, source, library, entry, unicodeCmap, smooth, context);
    for (std::uint32_t index = 0; index < plan.glyphCount; ++index) {
        if (context.progress.cancelRequested()) return Outcome::Cancelled;
        const auto glyph = static_cast<std::uint16_t>(index);
        if (libraryCode[index] != 0)
            writer.libraryGlyph(glyph, libraryCode[index]);
        else
            writer.copySourceGlyph(glyph);
    }
    out.EndGlyphs();
    const std::vector<std::uint32_t> offsets(out.GlyphOffsets().begin(), out.GlyphOffsets().end());
    if (!out.WriteLoca(offsets) || !out.WriteHmtx(writer.horizontal()) || !out.WriteVmtx(writer.vertical()))
        return Outcome::Failed;
    out.FinishCounts();
    return Outcome::Done;
}

// A new copy of the font with the library's other codes, laid out in memory
// and written only when the import commits it; none when the copy would add
// nothing.
struct FontStep {
    Outcome outcome = Outcome::Done;
    std::optional<tt::MergedFontFile> font;
};

FontStep fontWithLibrary(const FontEntry& entry, const std::string& newFontPath, Precedence precedence, bool smooth,
                         const CPfiDoc& library, ImportContext& context) {
    if (library.OtherCodes().empty()) return {};
    auto source = tt::SourceFont::Open(entry.fontFilePath, static_cast<std::uint32_t>(entry.faceIndex));
    if (!source) {
        context.messages.show(text(message::kCannotOpenFont, entry.fontFilePath, message::kMayBeDamaged));
        return {Outcome::Failed, std::nullopt};
    }
    const std::uint16_t encoding = cmapEncodingOf(*source);
    if (!cmapEncodingSuits(entry.codePage, encoding)) {
        context.messages.show(text(message::kFontPrefix, entry.faceName, message::kRegionMismatch));
        return {Outcome::Failed, std::nullopt};
    }
    const bool unicodeCmap = encoding == 1;
    // A Unicode font keeps its supplementary-plane characters in the copy.
    const MergePlan plan = planMerge(unicodeCmap ? source->EnumerateAllCodes() : source->EnumerateCodes(),
                                     libraryCodesForFont(library, entry, unicodeCmap, context.messages),
                                     source->NumGlyphs(), precedence == Precedence::Library);
    const bool anyFromLibrary =
        std::any_of(plan.codes.begin(), plan.codes.end(), [](const MergedCode& m) { return m.fromLibrary; });
    if (!anyFromLibrary) return {};
    const std::string cannotCreate = text(message::kCannotCreateFont, newFontPath, message::kCheckDiskSpace);
    auto out = tt::MergedFontFile::Create(newFontPath);
    if (!out || plan.glyphCount > 0xFFFF) {
        context.messages.show(cannotCreate);
        return {Outcome::Failed, std::nullopt};
    }
    const Outcome laidOut = layOutMergedFont(out.value(), *source, plan, library, entry, unicodeCmap, smooth, context);
    if (laidOut == Outcome::Failed) context.messages.show(cannotCreate);
    if (laidOut != Outcome::Done) return {laidOut, std::nullopt};
    return {Outcome::Done, std::move(out).value()};
}

// Writes the font step's copy; with nothing to write the new font is the font itself.
bool commitFont(FontStep& step, const std::string& path, FontEntry& entry, MessageSink& messages) {
    if (!step.font) {
        entry.newFontFilePath = entry.fontFilePath;
        return true;
    }
    if (!step.font->Close()) {
        messages.show(text(message::kCannotCreateFont, path, message::kCheckDiskSpace));
        return false;
    }
    entry.newFontFilePath = path;
    return true;
}

}  // namespace

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
    EudcStep step = newEudcFont(path, codePage, languageId, baseWinAscent, library, smooth, messages, progress);
    if (step.outcome != Outcome::Done) return false;
    if (!step.font->Close()) {
        messages.show(cannotCreateEudc(path));
        return false;
    }
    return true;
}

bool runImport(FontEntry& entry, const ImportSettings& settings, ImportContext& context) {
    const FontEntry before = entry;
    entry.libraryFilePath = settings.libraryPath;
    CPfiDoc library;
    if (!library.Open(settings.libraryPath, context.libraryOptions)) {
        context.messages.show(pfi_messages::CannotOpenLibrary(settings.libraryPath));
        entry.libraryFilePath.clear();
        return false;
    }
    for (const std::string& warning : library.Warnings()) context.messages.show(warning);
    if (library.CodePage() != entry.codePage) context.messages.show(std::string(message::kLibraryCodeSpaceDiffers));
    context.progress.setRange(library.GlyphCount());

    // The unlink and the relink below take effect together, once.
    EudcLinks::Batch linkChanges(context.links, context.messages);
    LinkGuard link(entry, context.links, context.messages);
    EudcStep eudc = eudcStep(entry, settings, library, context);
    FontStep font;
    if (eudc.outcome == Outcome::Done && settings.mode == ImportMode::EverythingIntoFont)
        font = fontWithLibrary(entry, settings.newFontPath, settings.precedence, settings.smooth, library, context);

    // Nothing has been written yet: a cancelled import leaves no trace. A
    // cancel that came after the last character still counts.
    if (eudc.outcome == Outcome::Cancelled || font.outcome == Outcome::Cancelled ||
        context.progress.cancelRequested()) {
        link.restorePrevious();
        entry = before;
        context.messages.show(std::string(message::kImportCancelled));
        return false;
    }
    bool ok = eudc.outcome == Outcome::Done && commitEudc(eudc, settings.newEudcPath, link, context.messages);
    if (eudc.outcome == Outcome::Failed) link.restorePrevious();
    if (ok && settings.mode == ImportMode::EverythingIntoFont) {
        ok = font.outcome == Outcome::Done && commitFont(font, settings.newFontPath, entry, context.messages);
        if (!ok) entry.newFontFilePath.clear();
    }
    if (!ok) entry.libraryFilePath.clear();
    return ok;
}

}  // namespace pelorin::fonts
