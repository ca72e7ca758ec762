#include <iostream>
#include <string>
#include <vector>

#include "tools/tesvik-query/QueryTool.h"

namespace {

bool askOnTerminal(const std::string& question) {
    std::cerr << question << " [y/N] " << std::flush;
    std::string answer;
    if (!std::getline(std::cin, answer)) return false;
    return answer == "y" || answer == "Y" || answer == "yes";
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    tesvik::query::Terminal terminal{std::cout, std::cerr, askOnTerminal};
    return tesvik::query::runQueryTool(args, terminal);
}
