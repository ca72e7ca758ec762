#include "pelorin/ui/SessionBackend.h"

#include "pelorin/fonts/FontBackup.h"
#include "platform/FontconfigFonts.h"

namespace pelorin::ui {

std::vector<fonts::FontEntry> SessionBackend::fontList(fonts::FontListScope scope, fonts::MessageSink& messages) {
    return session_.fontList(session_.systemCodePage(), scope, messages);
}

bool SessionBackend::link(const fonts::FontEntry& entry, const std::string& eudcPath, fonts::MessageSink& messages) {
    return static_cast<bool>(session_.links().linkEudc(entry.codePage, entry.faceName, eudcPath, messages));
}

bool SessionBackend::unlink(const fonts::FontEntry& entry, fonts::MessageSink& messages) {
    return session_.links().unlinkEudc(entry.codePage, entry.faceName, messages);
}

std::string SessionBackend::backup(const fonts::FontEntry& entry, const std::string& target) {
    return fonts::backupFont(entry, target);
}

bool SessionBackend::runImport(fonts::FontEntry& entry, const fonts::ImportSettings& settings,
                               fonts::MessageSink& messages, fonts::ImportProgress& progress) {
    return session_.runImport(entry, settings, messages, progress);
}

}  // namespace pelorin::ui
