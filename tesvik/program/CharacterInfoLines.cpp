#include "tesvik/program/CharacterInfoLines.h"

#include "tesvik/chars/CopyFormats.h"
#include "tesvik/program/OutputService.h"

#include <initializer_list>

namespace tesvik::program {

namespace {

// The table text with each "%s" replaced by the next argument.
std::string filled(MessageId id, std::initializer_list<std::string> arguments) {
    std::string text(messageText(id));
    for (const std::string& argument : arguments) {
        const std::size_t at = text.find("%s");
        if (at == std::string::npos) break;
        text.replace(at, 2, argument);
    }
    return text;
}

std::string characterUtf8(chars::PackedChar value) { return utf8Of(static_cast<char32_t>(chars::codePointOf(value))); }

std::string nothingKnown() { return std::string(messageText(MessageId::InfoNothingKnown)); }

std::string joined(const std::vector<std::string>& parts, std::string_view separator) {
    if (parts.empty()) return nothingKnown();
    std::string text;
    for (const std::string& part : parts) {
        if (!text.empty()) text += separator;
        text += part;
    }
    return text;
}

MessageId codeSpaceName(chars::CodeSpaceColour colour) {
    switch (colour) {
        case chars::CodeSpaceColour::GBKColor:
            return MessageId::CodeSpaceGbk;
        case chars::CodeSpaceColour::GBKEUDCColor:
            return MessageId::CodeSpaceGbkEudc;
        case chars::CodeSpaceColour::GB13000EUDCColor:
            return MessageId::CodeSpaceGb13000Eudc;
        case chars::CodeSpaceColour::CJKZACOLOR:
            return MessageId::CodeSpaceExtensionA;
        case chars::CodeSpaceColour::CJKKZBCOLOR:
            return MessageId::CodeSpaceExtensionsBToE;
        case chars::CodeSpaceColour::Black:
            break;
    }
    return MessageId::CodeSpaceOther;
}

std::string userMark(bool user) { return user ? std::string(messageText(MessageId::InfoUserFiling)) : std::string(); }

std::string strokesText(const std::vector<lookup::StrokeFiling>& filings) {
    std::vector<std::string> parts;
    for (const lookup::StrokeFiling& f : filings)
        parts.push_back(filled(MessageId::InfoStrokeFiling, {std::to_string(f.totalStrokes), f.firstStrokes}) +
                        userMark(f.user));
    return joined(parts, "；");
}

std::string radicalsText(const std::vector<lookup::RadicalFiling>& filings) {
    std::vector<std::string> parts;
    for (const lookup::RadicalFiling& f : filings) {
        const std::string radical =
            f.radical != 0 ? characterUtf8(f.radical) + " " + chars::codePointNotation(f.radical) : std::string("?");
        parts.push_back(f.remainingStrokes
                            ? filled(MessageId::InfoRadicalFiling, {radical, std::to_string(*f.remainingStrokes)}) +
                                  userMark(f.user)
                            : radical);
    }
    return joined(parts, "；");
}

std::string twinText(const lookup::CharacterInfo& info) {
    auto shown = [](chars::PackedChar twin) { return characterUtf8(twin) + " " + chars::codePointNotation(twin); };
    std::vector<std::string> parts;
    if (info.standardTwin) parts.push_back(filled(MessageId::InfoStandardTwin, {shown(*info.standardTwin)}));
    if (info.registerTwin) parts.push_back(filled(MessageId::InfoRegisterTwin, {shown(*info.registerTwin)}));
    return joined(parts, "；");
}

}  // namespace

std::vector<InfoLine> infoLines(const lookup::CharacterInfo& info) {
    return {
        {MessageId::InfoCharacterLabel, characterUtf8(info.value)},
        {MessageId::InfoUnicodeLabel, chars::codePointNotation(info.value)},
        {MessageId::InfoGb18030Label, chars::gb18030ByteText(info.value)},
        {MessageId::InfoBlockLabel, info.block ? std::string(messageText(*info.block)) : nothingKnown()},
        {MessageId::InfoCodeSpaceLabel, std::string(messageText(codeSpaceName(info.codeSpace)))},
        {MessageId::InfoStrokesLabel, strokesText(info.strokes)},
        {MessageId::InfoRadicalLabel, radicalsText(info.radicals)},
        {MessageId::InfoReadingsLabel, joined(info.readings, ", ")},
        {MessageId::InfoTwinLabel, twinText(info)},
    };
}

}  // namespace tesvik::program
