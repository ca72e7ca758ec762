#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace platform {

// A registry value: REG_SZ text (UTF-8 here) or a REG_DWORD.
using RegistryValue = std::variant<std::string, std::uint32_t>;

// What the programs keep in the registry, behind one small interface.
//
// Keys are paths such as "HKEY_CURRENT_USER\\EUDC\\936", compared without
// regard to case as the registry does; value names likewise. Case folding
// covers ASCII letters only; other characters compare exactly. Trailing
// backslashes are ignored; an empty key or an empty path component
// ("A\\\\B") is not a key. A key exists when it was created, holds values, or
// has a subkey; the hive names ("HKEY_CURRENT_USER", ...) always exist.
// The empty value name is the key's default value.
//
// Implementations: MemoryRegistryStore (tests), FileRegistryStore (Linux).
class RegistryStore {
public:
    virtual ~RegistryStore() = default;

    virtual bool keyExists(const std::string& key) const = 0;
    // Returns false when the key is not a valid path or the store cannot be written.
    virtual bool createKey(const std::string& key) = 0;
    virtual std::optional<RegistryValue> value(const std::string& key, const std::string& name) const = 0;
    // Names as first written, in case-insensitive order.
    virtual std::vector<std::string> valueNames(const std::string& key) const = 0;
    // Names of the direct subkeys, in case-insensitive order.
    virtual std::vector<std::string> subkeyNames(const std::string& key) const = 0;
    // Setting a value creates its key. Returns false when the store cannot be written.
    virtual bool setValue(const std::string& key, const std::string& name, const RegistryValue& value) = 0;
    // Returns false when the value did not exist or the store cannot be written.
    virtual bool deleteValue(const std::string& key, const std::string& name) = 0;
};

// Convenience readers: the value when it exists with that type.
std::optional<std::string> stringValue(const RegistryStore& store, const std::string& key, const std::string& name);
std::optional<std::uint32_t> dwordValue(const RegistryStore& store, const std::string& key, const std::string& name);

}  // namespace platform
