#pragma once

#include "pelorin/fonts/EudcSwitch.h"
#include "pelorin/fonts/FontMessages.h"
#include "platform/FontconfigEudcRules.h"
#include "platform/RegistryStore.h"
#include "platform/XdgDirectories.h"

#include <cstdint>
#include <filesystem>
#include <vector>

namespace pelorin::fonts {

// The EUDC switch on Linux. Turning it on publishes the links in the
// registry store as fontconfig fallback rules and refreshes fontconfig's
// caches; turning it off does nothing, since fontconfig's clients read the
// rules when they start.
class FontconfigEudcSwitch final : public EudcSwitch {
public:
    FontconfigEudcSwitch(const platform::RegistryStore& store, platform::Environment env, std::uint16_t systemCodePage)
        : store_(store), env_(std::move(env)), systemCodePage_(systemCodePage) {}

    bool available() const override { return true; }
    void turnOff() override {}
    void turnOn(MessageSink& messages) override;

private:
    const platform::RegistryStore& store_;
    platform::Environment env_;
    std::uint16_t systemCodePage_;
};

// The fallbacks the links make: the links of every code page, those of the
// system's code page taking precedence for a face linked under several;
// links to files that do not exist are left out.
std::vector<platform::EudcFallback> eudcFallbacksOf(const platform::RegistryStore& store, std::uint16_t systemCodePage);

}  // namespace pelorin::fonts
