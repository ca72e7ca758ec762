#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>

namespace platform {

// Environment variables as plain data, so that the directory rules are
// functions of their input and tests can pass their own.
struct Environment {
    std::map<std::string, std::string> variables;

    // The variable's value; nothing when it is unset.
    std::optional<std::string> get(const std::string& name) const;

    static Environment fromProcess();
};

// $HOME; when it is unset or empty, the home directory of the user's account.
std::filesystem::path homeDirectory(const Environment& env);

// The XDG base directories. A variable that is unset, empty or not an
// absolute path is ignored, as the base directory rules say.
// $XDG_CONFIG_HOME, default ~/.config
std::filesystem::path xdgConfigHome(const Environment& env);
// $XDG_DATA_HOME, default ~/.local/share
std::filesystem::path xdgDataHome(const Environment& env);
// $XDG_RUNTIME_DIR; it has no default.
std::optional<std::filesystem::path> xdgRuntimeDir(const Environment& env);

}  // namespace platform
