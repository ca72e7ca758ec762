#include "tools/tesvik-query/CommandLine.h"

namespace tesvik::query {

std::optional<std::string> CommandLine::option(const std::string& name) const {
    const auto it = options.find(name);
    if (it == options.end()) return std::nullopt;
    return it->second;
}

std::optional<CommandLine> parseCommandLine(const std::vector<std::string>& args, const OptionSpec& accepted,
                                            std::string& error) {
    CommandLine line;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& word = args[i];
        if (word.size() < 3 || word.compare(0, 2, "--") != 0) {
            line.positional.push_back(word);
            continue;
        }
        const std::string name = word.substr(2);
        if (accepted.flags.count(name)) {
            line.flags.insert(name);
        } else if (accepted.valued.count(name)) {
            if (i + 1 == args.size()) {
                error = "option --" + name + " needs a value";
                return std::nullopt;
            }
            line.options[name] = args[++i];
        } else {
            error = "unknown option --" + name;
            return std::nullopt;
        }
    }
    return line;
}

}  // namespace tesvik::query
