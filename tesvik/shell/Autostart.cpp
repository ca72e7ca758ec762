#include "tesvik/shell/Autostart.h"

#include "tesvik/messages/Messages.h"

namespace tesvik {

namespace {

std::string valueName() { return std::string(messageText(MessageId::MainWindowCaption)); }

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

}  // namespace

bool RunKeyAutostart::isEnabled() const {
    const auto path = platform::stringValue(store_, kRunKey, valueName());
    return path && equalsIgnoringCase(*path, programPath_.string());
}

bool RunKeyAutostart::enable() { return store_.setValue(kRunKey, valueName(), programPath_.string()); }

bool RunKeyAutostart::disable() {
    if (!store_.value(kRunKey, valueName())) return true;
    return store_.deleteValue(kRunKey, valueName());
}

}  // namespace tesvik
