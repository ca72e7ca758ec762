#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "tesvik/messages/Messages.h"
#include "tools/tesvik-query/CommandLine.h"
#include "tools/tesvik-query/QueryTool.h"

namespace tesvik::query {

struct QueryContext {
    std::filesystem::path dataDir;  // the shipped files
    std::filesystem::path userDir;  // the user's own tables and their derived files
    Terminal& terminal;
};

struct Command {
    std::string name;
    std::string usage;  // the words after the command's name
    OptionSpec options;
    int (*run)(const CommandLine& line, QueryContext& context);
};

std::vector<Command> lookupCommands();        // strokes, radicals, by-radical
std::vector<Command> codeCommands();          // code, convert
std::vector<Command> userTableCommands();     // add-/modify-/delete-stroke, -radical
std::vector<Command> pinyinSymbolCommands();  // pinyin, readings, symbols, symbol-row
std::vector<Command> typeCommands();          // type: into the focused field
std::vector<Command> infoCommands();          // info

// Shared output rules.
int reportMessages(QueryContext& context, const std::vector<Message>& messages);
int reportMessage(QueryContext& context, const Message& message);
int usageError(QueryContext& context, const std::string& reason);
// The character a grid value stands for, as the output types it, in UTF-8;
// empty for a value that names no character.
std::string characterText(std::uint32_t value);
// One grid item: code text, the character, and the source marker (empty
// for items that come from no record).
void printCandidate(QueryContext& context, std::uint32_t value, std::optional<char> marker);

}  // namespace tesvik::query
