#include "tesvik/program/SurrogateSupport.h"

namespace tesvik::program {

std::optional<Message> ensureSurrogateSupport(platform::RegistryStore& store) {
    if (!store.createKey(kLanguagePackKey)) return std::nullopt;
    if (store.value(kLanguagePackKey, "SURROGATE")) return std::nullopt;
    if (!store.setValue(kLanguagePackKey, "SURROGATE", std::uint32_t{2})) return std::nullopt;
    return message(MessageId::RestartToApplySettings);
}

}  // namespace tesvik::program
