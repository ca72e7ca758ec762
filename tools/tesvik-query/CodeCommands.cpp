#include "tesvik/chars/CodeSpace.h"
#include "tesvik/chars/CodeText.h"
#include "tesvik/chars/CodeValue.h"
#include "tesvik/program/StandardCodeOutput.h"
#include "tools/tesvik-query/Commands.h"

namespace tesvik::query {

namespace {

std::optional<chars::CodeFormat> formatNamed(const std::string& name) {
    if (name == "unicode") return chars::CodeFormat::Unicode;
    if (name == "gb18030") return chars::CodeFormat::Gb18030;
    return std::nullopt;
}

int runCode(const CommandLine& line, QueryContext& context) {
    if (line.positional.size() != 1) return usageError(context, "code needs one hexadecimal VALUE");
    const auto value = chars::parseHexValue(line.positional.front());
    if (!value) return usageError(context, "not a hexadecimal value: " + line.positional.front());
    const auto format = formatNamed(line.option("format").value_or("unicode"));
    if (!format) return usageError(context, "--format is unicode or gb18030");

    const chars::CodeDisplay shown = chars::describeCode(*value, *format);
    context.terminal.out << shown.codeText << '\t'
                         << (shown.blockName ? messageText(*shown.blockName) : std::string_view{}) << '\t'
                         << chars::codeSpaceColourName(shown.colour);
    // A register character: the standard character it stands for, as "输出标准编码" outputs it.
    if (const chars::PackedChar standard = program::standardCodeOf(*value); standard != *value) {
        context.terminal.out << '\t' << chars::describeCode(standard, *format).codeText << '\t'
                             << characterText(standard);
    }
    context.terminal.out << '\n';
    return kExitSuccess;
}

int runConvert(const CommandLine& line, QueryContext& context) {
    if (line.positional.size() != 1) return usageError(context, "convert needs one code TEXT");
    const auto to = formatNamed(line.option("to").value_or(""));
    if (!to) return usageError(context, "--to is unicode or gb18030");
    context.terminal.out << chars::switchCodeFormat(line.positional.front(), *to) << '\n';
    return kExitSuccess;
}

}  // namespace

std::vector<Command> codeCommands() {
    return {
        {"code", "VALUE [--format unicode|gb18030]", {{"format"}, {}}, runCode},
        {"convert", "TEXT --to unicode|gb18030", {{"to"}, {}}, runConvert},
    };
}

}  // namespace tesvik::query
