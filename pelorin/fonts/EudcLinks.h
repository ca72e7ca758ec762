#pragma once

#include "pelorin/fonts/EudcSwitch.h"
#include "platform/RegistryStore.h"

#include <cstdint>
#include <string>

namespace pelorin::fonts {

// The registry key holding the EUDC links of a code page:
// "HKEY_CURRENT_USER\EUDC\<code page in decimal>".
std::string eudcLinkKey(std::uint16_t codePage);
inline constexpr const char* kEudcRootKey = "HKEY_CURRENT_USER\\EUDC";
// The value name of the system default EUDC font.
inline constexpr const char* kSystemDefaultEudcFont = "SystemDefaultEUDCFont";

// Which EUDC font file is linked to which face, per code page.
class EudcLinks {
public:
    EudcLinks(platform::RegistryStore& store, EudcSwitch& eudcSwitch) : store_(store), switch_(eudcSwitch) {}

    // The EUDC file linked to the face, or empty.
    std::string eudcPathOf(std::uint16_t codePage, const std::string& face) const;
    // Links the face (or kSystemDefaultEudcFont) to the file. Fails when the
    // EUDC switch cannot be found (nothing is written then) or the link
    // cannot be stored.
    bool linkEudc(std::uint16_t codePage, const std::string& face, const std::string& path);
    // Removes the face's link; fails when there is none or it cannot be removed.
    bool unlinkEudc(std::uint16_t codePage, const std::string& face);
    // Under code page 936, removes every face link (not the system default)
    // whose file path contains the file name, letter case aside.
    void removeLinksTo(const std::string& fileName);

private:
    platform::RegistryStore& store_;
    EudcSwitch& switch_;
};

}  // namespace pelorin::fonts
