#include "tesvik/chars/CodeValue.h"
#include "tesvik/lookup/CharacterInfo.h"
#include "tesvik/program/CharacterInfoLines.h"
#include "tools/tesvik-query/Commands.h"

namespace tesvik::query {

namespace {

// A character as typed or pasted, or its code written "U+4E00".
std::optional<chars::PackedChar> characterNamed(const std::string& text) {
    if ((text.rfind("U+", 0) == 0 || text.rfind("u+", 0) == 0) && text.size() > 2) {
        const auto value = chars::parseHexValue(text.substr(2));
        if (!value || *value == 0 || *value > 0x10FFFF || (*value >= 0xD800 && *value <= 0xDFFF)) return std::nullopt;
        return chars::packCodePoint(*value);
    }
    return lookup::firstCharacterOf(text);
}

int runInfo(const CommandLine& line, QueryContext& context) {
    if (line.positional.size() != 1) return usageError(context, "info needs one CHAR");
    const auto value = characterNamed(line.positional.front());
    if (!value) return usageError(context, "not a character: " + line.positional.front());
    const lookup::CharacterInfo info = lookup::describeCharacter(*value, {context.dataDir, context.userDir});
    for (const program::InfoLine& shown : program::infoLines(info))
        context.terminal.out << messageText(shown.label) << '\t' << shown.text << '\n';
    return kExitSuccess;
}

}  // namespace

std::vector<Command> infoCommands() {
    return {
        {"info", "CHAR (a character, or U+XXXX)", {}, runInfo},
    };
}

}  // namespace tesvik::query
