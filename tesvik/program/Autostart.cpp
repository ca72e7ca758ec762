#include "tesvik/program/Autostart.h"

#include "common/AsciiCase.h"
#include "platform/XdgAutostart.h"
#include "tesvik/messages/Messages.h"

namespace tesvik::program {

namespace {

std::string valueName() { return std::string(messageText(MessageId::MainWindowCaption)); }

}  // namespace

bool RunKeyAutostart::isEnabled() const {
    const auto path = platform::stringValue(store_, kRunKey, valueName());
    return path && lumenar::equalsIgnoringAsciiCase(*path, programPath_.string());
}

bool RunKeyAutostart::enable() { return store_.setValue(kRunKey, valueName(), programPath_.string()); }

bool RunKeyAutostart::disable() {
    if (!store_.value(kRunKey, valueName())) return true;
    return store_.deleteValue(kRunKey, valueName());
}

bool SessionAutostart::isEnabled() const { return platform::xdgAutostartStarts(entryFile_, programPath_); }

bool SessionAutostart::enable() {
    return platform::writeXdgAutostartEntry(entryFile_, programPath_, messageText(MessageId::MainWindowCaption)).ok();
}

bool SessionAutostart::disable() { return platform::removeXdgAutostartEntry(entryFile_).ok(); }

}  // namespace tesvik::program
