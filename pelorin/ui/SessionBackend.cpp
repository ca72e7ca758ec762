#include "pelorin/ui/SessionBackend.h"

#include "pelorin/fonts/FontBackup.h"
#include "pelorin/truetype/SourceFont.h"
#include "platform/FontconfigFonts.h"

namespace pelorin::ui {
namespace {

constexpr std::uint16_t kDefaultEudcWinAscent = 220;  // the EUDC font's own ascender at em 256

// usWinAscent of an installed face, for a new EUDC font that serves it.
std::uint16_t winAscentOf(const fonts::FontEntry& entry) {
    const auto font = truetype::SourceFont::Open(entry.fontFilePath, static_cast<std::uint32_t>(entry.faceIndex));
    if (!font || font->WinAscent() == 0) return kDefaultEudcWinAscent;
    return font->WinAscent();
}

}  // namespace

std::vector<fonts::FontEntry> SessionBackend::fontList(fonts::FontListScope scope, fonts::MessageSink& messages) {
    return session_.fontList(session_.systemCodePage(), scope, messages);
}

bool SessionBackend::link(const fonts::FontEntry& entry, const std::string& eudcPath) {
    return static_cast<bool>(session_.links().linkEudc(entry.codePage, entry.faceName, eudcPath));
}

bool SessionBackend::unlink(const fonts::FontEntry& entry) {
    return session_.links().unlinkEudc(entry.codePage, entry.faceName);
}

std::string SessionBackend::backup(const fonts::FontEntry& entry, const std::string& target) {
    return fonts::backupFont(entry, target);
}

bool SessionBackend::runImport(fonts::FontEntry& entry, const fonts::ImportSettings& settings,
                               fonts::MessageSink& messages, fonts::ImportProgress& progress) {
    fonts::ImportContext context{session_.links(), messages, progress, session_.libraryOptions(), winAscentOf};
    return fonts::runImport(entry, settings, context);
}

}  // namespace pelorin::ui
