#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace tesvik::query {

// The words of one command: its positional arguments and its --options.
// Options are "--name value" or, for the names given as flags, "--name".
struct CommandLine {
    std::vector<std::string> positional;
    std::map<std::string, std::string> options;
    std::set<std::string> flags;

    bool has(const std::string& name) const { return options.count(name) || flags.count(name); }
    std::optional<std::string> option(const std::string& name) const;
};

struct OptionSpec {
    std::set<std::string> valued;  // take a value
    std::set<std::string> flags;   // stand alone
};

// Splits args by the accepted options; nullopt with a reason in `error` for an unknown
// option or an option without its value.
std::optional<CommandLine> parseCommandLine(const std::vector<std::string>& args, const OptionSpec& accepted,
                                            std::string& error);

}  // namespace tesvik::query
