#include "platform/LocaleInEffect.h"

namespace platform {

std::optional<std::string> localeInEffect(const Environment& env, const char* category) {
    for (const char* name : {"LC_ALL", category, "LANG"}) {
        auto value = env.get(name);
        if (value && !value->empty()) return value;
    }
    return std::nullopt;
}

}  // namespace platform
