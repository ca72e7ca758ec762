#include "pelorin/fonts/EudcLinks.h"

#include "common/AsciiCase.h"
#include "pelorin/fonts/FontMessages.h"

#include <algorithm>

namespace pelorin::fonts {
namespace {

bool sameName(const std::string& a, const std::string& b) { return lumenar::equalsIgnoringAsciiCase(a, b); }

}  // namespace

std::string eudcLinkKey(std::uint16_t codePage) { return std::string(kEudcRootKey) + "\\" + std::to_string(codePage); }

std::string EudcLinks::eudcPathOf(std::uint16_t codePage, const std::string& face) const {
    return platform::stringValue(store_, eudcLinkKey(codePage), face).value_or("");
}

lumenar::Status<std::string> EudcLinks::linkEudc(std::uint16_t codePage, const std::string& face,
                                                 const std::string& path, MessageSink& messages) {
    using S = lumenar::Status<std::string>;
    const std::string cannotLink = text(message::kFontPrefix, face, message::kCannotLinkEudc, path);
    if (!switch_.available()) return S::failure(cannotLink);
    switchOff();
    S outcome;
    if (!store_.createKey(eudcLinkKey(codePage)))
        outcome = S::failure(text(message::kCannotCreateRegistryKey, eudcLinkKey(codePage)));
    else if (!store_.setValue(eudcLinkKey(codePage), face, path))
        outcome = S::failure(cannotLink);
    switchOn(messages);
    return outcome;
}

bool EudcLinks::unlinkEudc(std::uint16_t codePage, const std::string& face, MessageSink& messages) {
    if (!store_.keyExists(kEudcRootKey) || !store_.keyExists(eudcLinkKey(codePage))) return false;
    if (!switch_.available()) return false;
    switchOff();
    const bool deleted = store_.deleteValue(eudcLinkKey(codePage), face);
    switchOn(messages);
    return deleted;
}

void EudcLinks::removeLinksTo(const std::string& fileName, MessageSink& messages) {
    const std::string key = eudcLinkKey(936);
    const std::string wanted = lumenar::upperCased(fileName);
    std::vector<std::string> doomed;
    for (const std::string& name : store_.valueNames(key)) {
        if (sameName(name, kSystemDefaultEudcFont)) continue;
        const auto data = platform::stringValue(store_, key, name);
        if (data && lumenar::upperCased(*data).find(wanted) != std::string::npos) doomed.push_back(name);
    }
    if (doomed.empty()) return;
    // Removing links changes what the faces fall back to, as linking does.
    const bool canSwitch = switch_.available();
    if (canSwitch) switchOff();
    for (const std::string& name : doomed) store_.deleteValue(key, name);
    if (canSwitch) switchOn(messages);
}

void EudcLinks::switchOff() {
    if (openBatches_ > 0 && offForBatch_) return;
    switch_.turnOff();
    offForBatch_ = openBatches_ > 0;
}

void EudcLinks::switchOn(MessageSink& messages) {
    if (openBatches_ == 0) switch_.turnOn(messages);
}

EudcLinks::Batch::~Batch() {
    if (--links_.openBatches_ > 0 || !links_.offForBatch_) return;
    links_.offForBatch_ = false;
    links_.switch_.turnOn(messages_);
}

}  // namespace pelorin::fonts
