#include "pelorin/cli/PelorinCommands.h"
#include "pelorin/pfi/PelorinLanguage.h"

#ifdef LUMENAR_PELORIN_MANAGER
#include "pelorin/ui/ManagerProgram.h"
#endif

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    const platform::Environment env = platform::Environment::fromProcess();
    pelorin::setCurrentLanguage(pelorin::messageLanguage(env));
#ifdef LUMENAR_PELORIN_MANAGER
    return pelorin::cli::runPelorin(args, env, pelorin::ui::runManager);
#else
    return pelorin::cli::runPelorin(args, env);
#endif
}
