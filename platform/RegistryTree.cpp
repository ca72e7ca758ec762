#include "platform/RegistryTree.h"

#include <array>

namespace platform {

namespace {

constexpr std::array<std::string_view, 6> kHives = {"HKEY_CLASSES_ROOT",   "HKEY_CURRENT_USER",
                                                    "HKEY_LOCAL_MACHINE",  "HKEY_USERS",
                                                    "HKEY_CURRENT_CONFIG", "HKEY_PERFORMANCE_DATA"};

bool isHive(std::string_view folded) {
    for (std::string_view hive : kHives) {
        if (foldRegistryName(hive) == folded) return true;
    }
    return false;
}

bool startsWith(std::string_view text, std::string_view prefix) { return text.substr(0, prefix.size()) == prefix; }

}  // namespace

std::string foldRegistryName(std::string_view text) {
    std::string folded(text);
    for (char& c : folded) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return folded;
}

std::optional<std::string> normalizeRegistryKey(std::string_view key) {
    while (!key.empty() && key.back() == '\\') key.remove_suffix(1);
    if (key.empty() || key.front() == '\\' || key.find("\\\\") != std::string_view::npos) {
        return std::nullopt;
    }
    return std::string(key);
}

const RegistryTree::KeyNode* RegistryTree::find(std::string_view key) const {
    const auto path = normalizeRegistryKey(key);
    if (!path) return nullptr;
    const auto it = keys_.find(foldRegistryName(*path));
    return it == keys_.end() ? nullptr : &it->second;
}

RegistryTree::KeyNode* RegistryTree::findOrCreate(std::string_view key) {
    const auto path = normalizeRegistryKey(key);
    if (!path) return nullptr;
    auto [it, inserted] = keys_.try_emplace(foldRegistryName(*path));
    if (inserted) it->second.path = *path;
    return &it->second;
}

bool RegistryTree::keyExists(std::string_view key) const {
    const auto path = normalizeRegistryKey(key);
    if (!path) return false;
    const std::string folded = foldRegistryName(*path);
    if (isHive(folded) || keys_.contains(folded)) return true;
    const std::string prefix = folded + '\\';
    const auto it = keys_.lower_bound(prefix);
    return it != keys_.end() && startsWith(it->first, prefix);
}

bool RegistryTree::createKey(std::string_view key) { return findOrCreate(key) != nullptr; }

const RegistryValue* RegistryTree::value(std::string_view key, std::string_view name) const {
    const KeyNode* node = find(key);
    if (!node) return nullptr;
    const auto it = node->values.find(foldRegistryName(name));
    return it == node->values.end() ? nullptr : &it->second.value;
}

std::vector<std::string> RegistryTree::valueNames(std::string_view key) const {
    std::vector<std::string> names;
    if (const KeyNode* node = find(key)) {
        for (const auto& [folded, named] : node->values) names.push_back(named.name);
    }
    return names;
}

std::vector<std::string> RegistryTree::subkeyNames(std::string_view key) const {
    std::vector<std::string> names;
    const auto path = normalizeRegistryKey(key);
    if (!path) return names;
    const std::string prefix = foldRegistryName(*path) + '\\';
    std::map<std::string, std::string> byFoldedName;  // sorted, each name once
    for (auto it = keys_.lower_bound(prefix); it != keys_.end() && startsWith(it->first, prefix); ++it) {
        const std::size_t end = it->first.find('\\', prefix.size());
        byFoldedName.try_emplace(it->first.substr(prefix.size(), end - prefix.size()),
                                 it->second.path.substr(prefix.size(), end - prefix.size()));
    }
    for (auto& [folded, name] : byFoldedName) names.push_back(std::move(name));
    return names;
}

bool RegistryTree::setValue(std::string_view key, std::string_view name, RegistryValue value) {
    KeyNode* node = findOrCreate(key);
    if (!node) return false;
    auto [it, inserted] = node->values.try_emplace(foldRegistryName(name));
    if (inserted) it->second.name = std::string(name);
    it->second.value = std::move(value);
    return true;
}

bool RegistryTree::deleteValue(std::string_view key, std::string_view name) {
    const auto path = normalizeRegistryKey(key);
    if (!path) return false;
    const auto it = keys_.find(foldRegistryName(*path));
    return it != keys_.end() && it->second.values.erase(foldRegistryName(name)) > 0;
}

std::vector<RegistryTree::Key> RegistryTree::keys() const {
    std::vector<Key> result;
    result.reserve(keys_.size());
    for (const auto& [folded, node] : keys_) {
        Key key{node.path, {}};
        for (const auto& [name, named] : node.values) key.values.push_back(named);
        result.push_back(std::move(key));
    }
    return result;
}

std::optional<std::string> stringValue(const RegistryStore& store, const std::string& key, const std::string& name) {
    const auto v = store.value(key, name);
    if (!v || !std::holds_alternative<std::string>(*v)) return std::nullopt;
    return std::get<std::string>(*v);
}

std::optional<std::uint32_t> dwordValue(const RegistryStore& store, const std::string& key, const std::string& name) {
    const auto v = store.value(key, name);
    if (!v || !std::holds_alternative<std::uint32_t>(*v)) return std::nullopt;
    return std::get<std::uint32_t>(*v);
}

}  // namespace platform
