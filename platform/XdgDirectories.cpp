#include "platform/XdgDirectories.h"

#include <pwd.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace platform {

namespace {

std::optional<std::filesystem::path> absoluteVariable(const Environment& env, const std::string& name) {
    const auto value = env.get(name);
    if (!value || value->empty() || value->front() != '/') return std::nullopt;
    return std::filesystem::path(*value);
}

std::filesystem::path accountHomeDirectory() {
    long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(size > 0 ? static_cast<std::size_t>(size) : 16384);
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found && found->pw_dir) {
        return found->pw_dir;
    }
    return "/";
}

}  // namespace

std::optional<std::string> Environment::get(const std::string& name) const {
    const auto it = variables.find(name);
    if (it == variables.end()) return std::nullopt;
    return it->second;
}

Environment Environment::fromProcess() {
    Environment env;
    for (char** entry = environ; entry && *entry; ++entry) {
        const std::string text(*entry);
        const std::size_t equals = text.find('=');
        if (equals == std::string::npos) continue;
        env.variables.emplace(text.substr(0, equals), text.substr(equals + 1));
    }
    return env;
}

std::filesystem::path homeDirectory(const Environment& env) {
    const auto home = env.get("HOME");
    if (home && !home->empty()) return *home;
    return accountHomeDirectory();
}

std::filesystem::path xdgConfigHome(const Environment& env) {
    return absoluteVariable(env, "XDG_CONFIG_HOME").value_or(homeDirectory(env) / ".config");
}

std::filesystem::path xdgDataHome(const Environment& env) {
    return absoluteVariable(env, "XDG_DATA_HOME").value_or(homeDirectory(env) / ".local" / "share");
}

std::optional<std::filesystem::path> xdgRuntimeDir(const Environment& env) {
    return absoluteVariable(env, "XDG_RUNTIME_DIR");
}

}  // namespace platform
