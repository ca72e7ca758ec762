#pragma once

#include "common/Result.h"
#include "pelorin/fonts/EudcSwitch.h"
#include "pelorin/fonts/FontMessages.h"
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

// Which EUDC font file is linked to which face, per code page. What goes
// wrong in making a change take effect is shown on the caller's messages.
class EudcLinks {
public:
    EudcLinks(platform::RegistryStore& store, EudcSwitch& eudcSwitch) : store_(store), switch_(eudcSwitch) {}

    // The EUDC file linked to the face, or empty.
    std::string eudcPathOf(std::uint16_t codePage, const std::string& face) const;
    // Links the face (or kSystemDefaultEudcFont) to the file. Fails when the
    // EUDC switch cannot be found (nothing is written then) or the link
    // cannot be stored; the failure is the message to show.
    lumenar::Status<std::string> linkEudc(std::uint16_t codePage, const std::string& face, const std::string& path,
                                          MessageSink& messages);
    // Removes the face's link; fails when there is none or it cannot be removed.
    bool unlinkEudc(std::uint16_t codePage, const std::string& face, MessageSink& messages);
    // Under code page 936, removes every face link (not the system default)
    // whose file path contains the file name, letter case aside.
    void removeLinksTo(const std::string& fileName, MessageSink& messages);

    // Link changes made while a batch is open take effect together when the
    // last open batch ends: the switch is turned off once and on once.
    class Batch {
    public:
        Batch(EudcLinks& links, MessageSink& messages) : links_(links), messages_(messages) { ++links_.openBatches_; }
        ~Batch();
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

    private:
        EudcLinks& links_;
        MessageSink& messages_;
    };

private:
    void switchOff();
    void switchOn(MessageSink& messages);

    platform::RegistryStore& store_;
    EudcSwitch& switch_;
    int openBatches_ = 0;
    bool offForBatch_ = false;
};

}  // namespace pelorin::fonts
