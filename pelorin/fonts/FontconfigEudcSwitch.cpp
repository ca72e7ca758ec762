#include "pelorin/fonts/FontconfigEudcSwitch.h"

#include "common/AsciiCase.h"

#include "pelorin/fonts/EudcDrawnCodes.h"
#include "pelorin/fonts/EudcLinks.h"
#include "platform/FontconfigFonts.h"

#include <algorithm>
#include <cctype>
#include <map>

namespace pelorin::fonts {
namespace {

bool isCodePageKey(const std::string& name) {
    return !name.empty() && std::all_of(name.begin(), name.end(), [](unsigned char c) { return std::isdigit(c); });
}

}  // namespace

std::vector<platform::EudcFallback> eudcFallbacksOf(const platform::RegistryStore& store,
                                                    std::uint16_t systemCodePage) {
    // Code-page keys in order, the system's own last so that its links win.
    std::vector<std::string> keys;
    for (const std::string& name : store.subkeyNames(kEudcRootKey))
        if (isCodePageKey(name) && name != std::to_string(systemCodePage)) keys.push_back(name);
    keys.push_back(std::to_string(systemCodePage));

    std::map<std::string, platform::EudcFallback> byFace;  // upper-cased face, "" for the system default
    std::vector<std::string> order;
    for (const std::string& codePage : keys) {
        const std::string key = std::string(kEudcRootKey) + "\\" + codePage;
        for (const std::string& name : store.valueNames(key)) {
            const auto path = platform::stringValue(store, key, name);
            if (!path || path->empty()) continue;
            const bool systemDefault = lumenar::upperCased(name) == lumenar::upperCased(kSystemDefaultEudcFont);
            const std::string face = systemDefault ? "" : name;
            const std::string faceKey = lumenar::upperCased(face);
            if (!byFace.contains(faceKey)) order.push_back(faceKey);
            byFace[faceKey] = platform::EudcFallback{face, *path, {}};
        }
    }

    std::vector<platform::EudcFallback> fallbacks;
    for (const std::string& faceKey : order) {
        platform::EudcFallback fallback = byFace[faceKey];
        std::error_code ignored;
        if (!std::filesystem::is_regular_file(fallback.file, ignored)) continue;
        fallback.drawnCodes = drawnCodesOf(fallback.file);
        fallbacks.push_back(std::move(fallback));
    }
    return fallbacks;
}

void FontconfigEudcSwitch::turnOn(MessageSink& messages) {
    const auto published =
        platform::publishEudcRules(env_, eudcFallbacksOf(store_, systemCodePage_), platform::userFontsFolder(env_));
    if (!published) messages.show(published.error().describe());
}

}  // namespace pelorin::fonts
