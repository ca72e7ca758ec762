#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace platform {

// A registry value: REG_SZ text (UTF-8 here) or a REG_DWORD.
using RegistryValue = std::variant<std::string, std::uint32_t>;

// Keys are paths such as "HKEY_CURRENT_USER\\EUDC\\936", compared without
// regard to case as the registry does; value names likewise.
class RegistryStore {
public:
    virtual ~RegistryStore() = default;

    virtual bool keyExists(const std::string& key) const = 0;
    virtual bool createKey(const std::string& key) = 0;
    virtual std::optional<RegistryValue> value(const std::string& key, const std::string& name) const = 0;
    virtual std::vector<std::string> valueNames(const std::string& key) const = 0;
    // Setting a value creates its key. Returns false when the store cannot be written.
    virtual bool setValue(const std::string& key, const std::string& name, const RegistryValue& value) = 0;
    virtual bool deleteValue(const std::string& key, const std::string& name) = 0;
};

}  // namespace platform
