#include "platform/MemoryRegistryStore.h"

namespace platform {

std::optional<RegistryValue> MemoryRegistryStore::value(const std::string& key, const std::string& name) const {
    const RegistryValue* v = tree_.value(key, name);
    if (!v) return std::nullopt;
    return *v;
}

}  // namespace platform
