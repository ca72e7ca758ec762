#pragma once

#include "platform/RegistryStore.h"

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// The registry's data held in memory, with its naming rules (see
// RegistryStore). Both store implementations keep their contents in one.
class RegistryTree {
public:
    struct NamedValue {
        std::string name;
        RegistryValue value;
        bool operator==(const NamedValue&) const = default;
    };
    struct Key {
        std::string path;
        std::vector<NamedValue> values;  // in case-insensitive name order
        bool operator==(const Key&) const = default;
    };

    bool keyExists(std::string_view key) const;
    bool createKey(std::string_view key);
    const RegistryValue* value(std::string_view key, std::string_view name) const;
    std::vector<std::string> valueNames(std::string_view key) const;
    std::vector<std::string> subkeyNames(std::string_view key) const;
    bool setValue(std::string_view key, std::string_view name, RegistryValue value);
    bool deleteValue(std::string_view key, std::string_view name);

    // Every created key, in case-insensitive path order.
    std::vector<Key> keys() const;

    bool operator==(const RegistryTree&) const = default;

private:
    struct KeyNode {
        std::string path;
        std::map<std::string, NamedValue> values;  // by folded name
        bool operator==(const KeyNode&) const = default;
    };

    KeyNode* findOrCreate(std::string_view key);
    const KeyNode* find(std::string_view key) const;

    std::map<std::string, KeyNode> keys_;  // by folded path
};

// The key path in its canonical spelling (trailing backslashes dropped), or
// nothing when it is not a valid key path.
std::optional<std::string> normalizeRegistryKey(std::string_view key);

// ASCII case folding used for key paths and value names.
std::string foldRegistryName(std::string_view text);

}  // namespace platform
