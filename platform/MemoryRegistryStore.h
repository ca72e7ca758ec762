#pragma once

#include "platform/RegistryStore.h"
#include "platform/RegistryTree.h"

namespace platform {

// A registry store held in memory only; for tests. `failWrites` makes every
// change fail as a store that cannot be written would.
class MemoryRegistryStore final : public RegistryStore {
public:
    MemoryRegistryStore() = default;
    explicit MemoryRegistryStore(RegistryTree contents) : tree_(std::move(contents)) {}

    bool keyExists(const std::string& key) const override { return tree_.keyExists(key); }
    bool createKey(const std::string& key) override { return !failWrites && tree_.createKey(key); }
    std::optional<RegistryValue> value(const std::string& key, const std::string& name) const override;
    std::vector<std::string> valueNames(const std::string& key) const override { return tree_.valueNames(key); }
    std::vector<std::string> subkeyNames(const std::string& key) const override { return tree_.subkeyNames(key); }
    bool setValue(const std::string& key, const std::string& name, const RegistryValue& value) override {
        return !failWrites && tree_.setValue(key, name, value);
    }
    bool deleteValue(const std::string& key, const std::string& name) override {
        return !failWrites && tree_.deleteValue(key, name);
    }

    const RegistryTree& contents() const { return tree_; }

    bool failWrites = false;

private:
    RegistryTree tree_;
};

}  // namespace platform
