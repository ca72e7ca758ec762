#include "tools/tesvik-query/QueryTool.h"

#include <ostream>

#include "common/Version.h"
#include "platform/ProgramPath.h"
#include "platform/XdgDirectories.h"
#include "tesvik/chars/CodeText.h"
#include "tesvik/program/OutputService.h"
#include "tesvik/program/TesvikDirectories.h"
#include "tools/tesvik-query/Commands.h"

namespace tesvik::query {

namespace {

std::vector<Command> allCommands() {
    std::vector<Command> commands = lookupCommands();
    for (auto&& group :
         {codeCommands(), pinyinSymbolCommands(), userTableCommands(), typeCommands(), infoCommands()}) {
        commands.insert(commands.end(), group.begin(), group.end());
    }
    return commands;
}

void printUsage(std::ostream& to) {
    to << "usage: tesvik-query [--data-dir DIR] [--user-dir DIR] COMMAND [options]\n";
    to << "       tesvik-query --help | --version\n";
    for (const Command& command : allCommands()) to << "  " << command.name << ' ' << command.usage << '\n';
}

struct GlobalOptions {
    program::DirectoryOverrides overrides;
    std::vector<std::string> rest;  // the command and its words
};

// The directory options stand before the command.
std::optional<GlobalOptions> takeGlobalOptions(const std::vector<std::string>& args, std::string& error) {
    GlobalOptions global;
    std::size_t i = 0;
    for (; i < args.size() && args[i].rfind("--", 0) == 0; i += 2) {
        if (i + 1 == args.size()) {
            error = "option " + args[i] + " needs a value";
            return std::nullopt;
        }
        if (args[i] == "--data-dir") {
            global.overrides.dataDir = args[i + 1];
        } else if (args[i] == "--user-dir") {
            global.overrides.userDir = args[i + 1];
        } else {
            error = "unknown option " + args[i];
            return std::nullopt;
        }
    }
    global.rest.assign(args.begin() + static_cast<std::ptrdiff_t>(i), args.end());
    return global;
}

program::TesvikDirectories directoriesFor(const program::DirectoryOverrides& overrides) {
    program::DirectoryInputs inputs;
    inputs.programPath = platform::runningProgramPath().value_or("tesvik-query");
    inputs.environment = platform::Environment::fromProcess();
    inputs.installPrefix = program::defaultInstallPrefix();
    inputs.overrides = overrides;
    return program::resolveDirectories(inputs);
}

}  // namespace

int reportMessages(QueryContext& context, const std::vector<Message>& messages) {
    for (const Message& m : messages) context.terminal.err << m.text << '\n';
    return kExitSystemMessage;
}

int reportMessage(QueryContext& context, const Message& message) { return reportMessages(context, {message}); }

int usageError(QueryContext& context, const std::string& reason) {
    context.terminal.err << "tesvik-query: " << reason << '\n';
    return kExitUsage;
}

std::string characterText(std::uint32_t value) {
    const std::optional<char32_t> scalar = program::scalarOfCandidate(value);
    return scalar ? program::utf8Of(*scalar) : std::string();
}

void printCandidate(QueryContext& context, std::uint32_t value, std::optional<char> marker) {
    context.terminal.out << chars::unicodeCodeText(value) << '\t' << characterText(value) << '\t';
    if (marker) context.terminal.out << *marker;
    context.terminal.out << '\n';
}

int runQueryTool(const std::vector<std::string>& args, Terminal& terminal) {
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        terminal.out << "Answers the lookups of Tesvik's pages on the command line.\n";
        printUsage(terminal.out);
        terminal.out << "exit status: 0 success, 1 the operation reported one of the program's messages, "
                        "2 a usage error\n";
        return kExitSuccess;
    }
    if (args.size() == 1 && args[0] == "--version") {
        terminal.out << "tesvik-query " << lumenar::kVersion << '\n';
        return kExitSuccess;
    }
    std::string error;
    const auto global = takeGlobalOptions(args, error);
    if (!global || global->rest.empty()) {
        if (!error.empty()) terminal.err << "tesvik-query: " << error << '\n';
        printUsage(terminal.err);
        return kExitUsage;
    }
    const std::string& name = global->rest.front();
    for (const Command& command : allCommands()) {
        if (command.name != name) continue;
        const std::vector<std::string> words(global->rest.begin() + 1, global->rest.end());
        const auto line = parseCommandLine(words, command.options, error);
        const program::TesvikDirectories dirs = directoriesFor(global->overrides);
        QueryContext context{dirs.data, dirs.user, terminal};
        if (!line) return usageError(context, error + "\nusage: tesvik-query " + name + ' ' + command.usage);
        return command.run(*line, context);
    }
    terminal.err << "tesvik-query: unknown command " << name << '\n';
    printUsage(terminal.err);
    return kExitUsage;
}

}  // namespace tesvik::query
