#include "tesvik/shell/Autostart.h"

#include "tesvik/messages/Messages.h"
#include "tesvik/shell/AsciiCase.h"

namespace tesvik {

namespace {

std::string valueName() { return std::string(messageText(MessageId::MainWindowCaption)); }

}  // namespace

bool RunKeyAutostart::isEnabled() const {
    const auto path = platform::stringValue(store_, kRunKey, valueName());
    return path && equalsIgnoringAsciiCase(*path, programPath_.string());
}

bool RunKeyAutostart::enable() { return store_.setValue(kRunKey, valueName(), programPath_.string()); }

bool RunKeyAutostart::disable() {
    if (!store_.value(kRunKey, valueName())) return true;
    return store_.deleteValue(kRunKey, valueName());
}

}  // namespace tesvik
