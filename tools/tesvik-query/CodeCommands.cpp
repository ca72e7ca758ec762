#include "tesvik/display/CodeSpace.h"
#include "tesvik/display/CodeText.h"
#include "tesvik/display/CodeValue.h"
#include "tools/tesvik-query/Commands.h"

namespace tesvik::query {

namespace {

std::optional<CodeFormat> formatNamed(const std::string& name) {
    if (name == "unicode") return CodeFormat::Unicode;
    if (name == "gb18030") return CodeFormat::Gb18030;
    return std::nullopt;
}

int runCode(const CommandLine& line, QueryContext& context) {
    if (line.positional.size() != 1) return usageError(context, "code needs one hexadecimal VALUE");
    const auto value = parseHexValue(line.positional.front());
    if (!value) return usageError(context, "not a hexadecimal value: " + line.positional.front());
    const auto format = formatNamed(line.option("format").value_or("unicode"));
    if (!format) return usageError(context, "--format is unicode or gb18030");

    const CodeDisplay shown = describeCode(*value, *format);
    context.terminal.out << shown.codeText << '\t'
                         << (shown.blockName ? messageText(*shown.blockName) : std::string_view{}) << '\t'
                         << codeSpaceColourName(shown.colour) << '\n';
    return ExitSuccess;
}

int runConvert(const CommandLine& line, QueryContext& context) {
    if (line.positional.size() != 1) return usageError(context, "convert needs one code TEXT");
    const auto to = formatNamed(line.option("to").value_or(""));
    if (!to) return usageError(context, "--to is unicode or gb18030");
    context.terminal.out << switchCodeFormat(line.positional.front(), *to) << '\n';
    return ExitSuccess;
}

}  // namespace

std::vector<Command> codeCommands() {
    return {
        {"code", "VALUE [--format unicode|gb18030]", {{"format"}, {}}, runCode},
        {"convert", "TEXT --to unicode|gb18030", {{"to"}, {}}, runConvert},
    };
}

}  // namespace tesvik::query
