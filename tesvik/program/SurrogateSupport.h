#pragma once

#include "platform/RegistryStore.h"
#include "tesvik/messages/Messages.h"

#include <optional>

namespace tesvik::program {

inline constexpr const char* kLanguagePackKey =
    "HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\LanguagePack";

// Makes sure the surrogate-support value "SURROGATE" exists: when it is
// absent it is created as REG_DWORD 2 and the restart notice is returned.
// An existing value is left as it is, whatever it holds. When the store
// cannot be written nothing is reported.
std::optional<Message> ensureSurrogateSupport(platform::RegistryStore& store);

}  // namespace tesvik::program
