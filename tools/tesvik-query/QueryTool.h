#pragma once

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

namespace tesvik::query {

// Exit statuses of the query tool.
inline constexpr int kExitSuccess = 0;
inline constexpr int kExitSystemMessage = 1;  // the operation reported one of the program's messages
inline constexpr int kExitUsage = 2;

// Where the tool's questions go and their answers come from.
struct Terminal {
    std::ostream& out;  // results, one item a line, fields separated by one TAB
    std::ostream& err;  // the program's messages and usage errors
    std::function<bool(const std::string& question)> askYesNo;
};

// Runs `tesvik-query` with args (without the program name).
int runQueryTool(const std::vector<std::string>& args, Terminal& terminal);

}  // namespace tesvik::query
