#include "pelorin/fonts/EudcLinks.h"

#include "common/AsciiCase.h"

#include <algorithm>

namespace pelorin::fonts {
namespace {

bool sameName(const std::string& a, const std::string& b) { return lumenar::equalsIgnoringAsciiCase(a, b); }

}  // namespace

std::string eudcLinkKey(std::uint16_t codePage) { return std::string(kEudcRootKey) + "\\" + std::to_string(codePage); }

std::string EudcLinks::eudcPathOf(std::uint16_t codePage, const std::string& face) const {
    return platform::stringValue(store_, eudcLinkKey(codePage), face).value_or("");
}

bool EudcLinks::linkEudc(std::uint16_t codePage, const std::string& face, const std::string& path) {
    if (!switch_.available()) return false;
    switch_.turnOff();
    // A link that could not be stored is a failed link, not a success.
    const bool stored = store_.createKey(eudcLinkKey(codePage)) && store_.setValue(eudcLinkKey(codePage), face, path);
    switch_.turnOn();
    return stored;
}

bool EudcLinks::unlinkEudc(std::uint16_t codePage, const std::string& face) {
    if (!store_.keyExists(kEudcRootKey) || !store_.keyExists(eudcLinkKey(codePage))) return false;
    if (!switch_.available()) return false;
    switch_.turnOff();
    const bool deleted = store_.deleteValue(eudcLinkKey(codePage), face);
    switch_.turnOn();
    return deleted;
}

void EudcLinks::removeLinksTo(const std::string& fileName) {
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
    if (canSwitch) switch_.turnOff();
    for (const std::string& name : doomed) store_.deleteValue(key, name);
    if (canSwitch) switch_.turnOn();
}

}  // namespace pelorin::fonts
