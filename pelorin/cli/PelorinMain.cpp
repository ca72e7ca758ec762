#include "pelorin/cli/PelorinCommands.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    return pelorin::cli::runPelorin(args, platform::Environment::fromProcess());
}
